#include "common/windows/BarValueEntry.h"

#include <QEvent>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

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

int BarValueEntry::shownFor(int value) const {
    return shownFrom_ != 0 ? shownFrom_ - value : value;
}

void BarValueEntry::reserveWidth() {
    const QFontMetrics metrics = label_->fontMetrics();
    int widest = 0;
    for (const int end : {bar_->minimum(), bar_->maximum()})
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(shownFor(end))));
    label_->setMinimumWidth(std::max(label_->minimumWidth(), widest + 2 * label_->margin()));
}

void BarValueEntry::showTip() {
    label_->setToolTip(tr("ダブルクリックで数値を入力"));
}

int BarValueEntry::barValueFor(int shown) const {
    // Counting down from shownFrom is its own inverse.
    const int wanted = shownFor(shown);
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
    field_ = new QLineEdit(QString::number(shownFor(bar_->value())), label_->parentWidget());
    field_->setValidator(new QIntValidator(-99999, 99999, field_));
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
    const int shown = field->text().toInt(&number);
    field->hide();
    field->deleteLater();
    if (apply && number)
        bar_->setValue(barValueFor(shown));
}

} // namespace common
