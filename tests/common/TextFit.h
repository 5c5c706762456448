#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace common::test {

// The texts among `window`'s visible labels, buttons, check boxes, options,
// group titles, tabs and combo boxes that are wider than their control shows,
// measured with each control's own font: one line per text, naming the
// control, the text and the widths needed and given. Empty when all fit.
QStringList clippedTexts(const QWidget& window);

} // namespace common::test
