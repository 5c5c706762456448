#pragma once

#include "common/InterfaceLanguage.h"

#include <QStringList>

class QWidget;

namespace common::test {

// The controls of `window` (its visible buttons, check boxes, options, scroll
// bars, combo boxes, fields, spin boxes and each tab) whose tool tip is empty,
// no more than the window's title, or in English still Japanese: one line per
// control, naming it. Parts of another control (a combo box's field, a tab
// bar's arrows) count as that control. Empty when every control says what it
// does in the windows' `language`.
QStringList controlsWithoutTips(const QWidget& window, InterfaceLanguage language);

// The same for the actions of the window's tool bars, whose tips must say
// more than the action's own text.
QStringList toolBarActionsWithoutTips(const QWidget& window, InterfaceLanguage language);

} // namespace common::test
