#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>

namespace common::test {

namespace {

// The text as drawn: without the mnemonic's "&".
QString shownText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return shown;
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : shownText(text).split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString report(const QWidget& control, const QString& text, int needed, int given) {
    return QStringLiteral("%1 %2 \"%3\": needs %4 px, has %5")
        .arg(QString::fromLatin1(control.metaObject()->className()), control.objectName(), text)
        .arg(needed)
        .arg(given);
}

} // namespace

QStringList clippedTexts(const QWidget& window) {
    QStringList clipped;
    const auto check = [&](const QWidget& control, const QString& text, int needed, int given) {
        if (!text.isEmpty() && needed > given)
            clipped.append(report(control, text, needed, given));
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (!label->wordWrap() && label->textFormat() != Qt::RichText)
                check(*label, label->text(), widestLine(metrics, label->text()),
                      label->contentsRect().width() - 2 * label->margin());
        } else if (qobject_cast<const QCheckBox*>(widget) ||
                   qobject_cast<const QRadioButton*>(widget)) {
            const auto* button = static_cast<const QAbstractButton*>(widget);
            check(*button, button->text(), button->sizeHint().width(), button->width());
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            const int margins =
                2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            check(*button, button->text(), widestLine(metrics, button->text()) + margins,
                  button->width());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            check(*group, group->title(), widestLine(metrics, group->title()),
                  std::min(title.width(), group->width()));
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int index = 0; index < tabs->count(); ++index)
                check(*tabs, tabs->tabText(index), widestLine(metrics, tabs->tabText(index)),
                      tabs->tabRect(index).width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            // The text area: the box without its frame and its arrow.
            const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
            for (int index = 0; index < combo->count(); ++index)
                check(*combo, combo->itemText(index),
                      metrics.horizontalAdvance(combo->itemText(index)), combo->width() - arrow);
        }
    }
    return clipped;
}

QStringList clippedTextsAtBarEnds(QWidget& window) {
    QStringList clipped;
    for (QScrollBar* bar : window.findChildren<QScrollBar*>()) {
        // A scroll area keeps its bars in containers of its own.
        const bool scrollAreas =
            bar->parentWidget()->objectName().startsWith(QStringLiteral("qt_scrollarea_"));
        if (scrollAreas || !bar->isVisibleTo(&window))
            continue;
        for (const int end : {bar->minimum(), bar->maximum()}) {
            bar->setValue(end);
            clipped += clippedTexts(window);
        }
    }
    clipped.removeDuplicates();
    return clipped;
}

} // namespace common::test
