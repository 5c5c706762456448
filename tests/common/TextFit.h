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

// The clipped texts of `window` with each of its visible scroll bars (not a
// scroll area's) at its minimum and then at its maximum, so that the labels
// that show the bars' values are measured at their extremes. The bars are
// left at their maximum. One line per clipped text, each once.
QStringList clippedTextsAtBarEnds(QWidget& window);

} // namespace common::test
