#include "common/windows/BarValueEntry.h"

#include <QDoubleValidator>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <limits>

namespace common {

namespace {

constexpr int FieldMinimumWidth = 44;

} // namespace

BarValueEntry::BarValueEntry(QLabel* label, QScrollBar* bar, int shownFrom)
    : QObject(label), label_(label), bar_(bar), shownFrom_(shownFrom) {
    label_->installEventFilter(this);
    reserveWidth();
    showTip();
}

void BarValueEntry::setScale(double shownPerValue) {
    shownPerValue_ = shownPerValue;
}

double BarValueEntry::shownFor(int value) const {
    return shownFrom_ != 0 ? shownFrom_ - value : value * shownPerValue_;
}

void BarValueEntry::reserveWidth() {
    const QFontMetrics metrics = label_->fontMetrics();
    int widest = 0;
    for (const int end : {bar_->minimum(), bar_->maximum()})
        widest =
            std::max(widest, metrics.horizontalAdvance(QString::number(shownFor(end), 'f', 0)));
    label_->setMinimumWidth(std::max(label_->minimumWidth(), widest + 2 * label_->margin()));
}

void BarValueEntry::showTip() {
    label_->setToolTip(tr("ダブルクリックで数値を入力"));
}

int BarValueEntry::barValueFor(double shown) const {
    // Counting down from shownFrom is its own inverse.
    const double exact = shownFrom_ != 0 ? shownFrom_ - shown : shown / shownPerValue_;
    const int wanted = static_cast<int>(
        std::clamp(std::round(exact), static_cast<double>(std::numeric_limits<int>::min() / 2),
                   static_cast<double>(std::numeric_limits<int>::max() / 2)));
    const int held = std::clamp(wanted, bar_->minimum(), bar_->maximum());
    const int step = std::max(1, bar_->singleStep());
    // The nearest value the arrows reach, counted in steps from the minimum.
    const int steps = (held - bar_->minimum() + step / 2) / step;
    return std::min(bar_->minimum() + steps * step, bar_->maximum());
}

bool BarValueEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::LanguageChange)
        showTip();
    if (watched == label_ && event->type() == QEvent::MouseButtonDblClick && bar_->isEnabled()) {
        open();
        return true;
    }
    if (watched == field_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape) {
                close(false);
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                close(true);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            close(true);
        }
    }
    return QObject::eventFilter(watched, event);
}

void BarValueEntry::open() {
    if (field_)
        return;
    // The number the label shows, without its unit ("160" of "160x160",
    // "50.1" of "50.1%").
    static const QRegularExpression number(QStringLiteral("-?[0-9]+(\\.[0-9]+)?"));
    const QRegularExpressionMatch shown = number.match(label_->text());
    field_ = new QLineEdit(shown.hasMatch() ? shown.captured()
                                            : QString::number(shownFor(bar_->value()), 'f', 0),
                           label_->parentWidget());
    auto* validator = new QDoubleValidator(-99999, 99999, shownPerValue_ == 1.0 ? 0 : 3, field_);
    validator->setLocale(QLocale::c());
    validator->setNotation(QDoubleValidator::StandardNotation);
    field_->setValidator(validator);
    field_->setAlignment(Qt::AlignRight);
    QRect area = label_->geometry();
    if (area.width() < FieldMinimumWidth)
        area.setLeft(area.right() - FieldMinimumWidth + 1);
    field_->setGeometry(area);
    field_->installEventFilter(this);
    field_->selectAll();
    field_->show();
    field_->setFocus(Qt::MouseFocusReason);
}

void BarValueEntry::close(bool apply) {
    if (!field_)
        return;
    QLineEdit* field = field_;
    field_ = nullptr; // losing the focus while it goes must not close it twice
    bool number = false;
    const double shown = QLocale::c().toDouble(field->text(), &number);
    field->hide();
    field->deleteLater();
    if (apply && number)
        bar_->setValue(barValueFor(shown));
}

} // namespace common
