#include "ToolTips.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>

#include <algorithm>

namespace common::test {

namespace {

QString nameOf(const QWidget& control, const QString& text) {
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(control.metaObject()->className()), control.objectName(), text);
}

bool isJapanese(QChar letter) {
    return (letter.unicode() >= 0x3000 && letter.unicode() <= 0x9FFF) ||
           (letter.unicode() >= 0xFF00 && letter.unicode() <= 0xFFEF);
}

bool saysWhatItDoes(const QString& tip, const QString& title, InterfaceLanguage language) {
    return !tip.trimmed().isEmpty() && tip != title &&
           (language != InterfaceLanguage::English ||
            std::none_of(tip.begin(), tip.end(), isJapanese));
}

bool isControl(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) ||
           qobject_cast<const QAbstractSlider*>(&widget) ||
           qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget);
}

// A part of a combo box, a spin box, a tab bar or a tool bar.
bool isPartOfAnother(const QWidget& widget) {
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr;
         parent = parent->parentWidget())
        if (qobject_cast<const QComboBox*>(parent) ||
            qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QTabBar*>(parent) ||
            qobject_cast<const QToolBar*>(parent))
            return true;
    return false;
}

QString textOf(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->currentText();
    return QString();
}

} // namespace

QStringList controlsWithoutTips(const QWidget& window, InterfaceLanguage language) {
    QStringList untipped;
    const QString title = window.windowTitle();
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || isPartOfAnother(*widget))
            continue;
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                if (!saysWhatItDoes(tabs->tabToolTip(tab), title, language))
                    untipped.append(nameOf(*tabs, tabs->tabText(tab)));
        } else if (isControl(*widget) && !saysWhatItDoes(widget->toolTip(), title, language)) {
            untipped.append(nameOf(*widget, textOf(*widget)));
        }
    }
    return untipped;
}

QStringList toolBarActionsWithoutTips(const QWidget& window, InterfaceLanguage language) {
    // The names the menus give: a tip that repeats one names a window or a
    // command without saying what it does.
    QStringList names;
    for (const QMenu* menu : window.findChildren<QMenu*>())
        for (const QAction* entry : menu->actions())
            names.append(QString(entry->text()).remove(QLatin1Char('&')));
    QStringList untipped;
    for (const QToolBar* bar : window.findChildren<QToolBar*>())
        for (const QAction* action : bar->actions())
            if (!action->isSeparator() &&
                (!saysWhatItDoes(action->toolTip(), action->text(), language) ||
                 names.contains(action->toolTip())))
                untipped.append(nameOf(*bar, action->toolTip()));
    return untipped;
}

} // namespace common::test
