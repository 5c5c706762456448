#pragma once

class QScrollBar;
class QWidget;

namespace kirabellum {

// A small horizontal scroll bar used as a spin control: mostly its two arrows;
// the mouse wheel and Page Up / Page Down step it as common::ValueBarSteps says.
QScrollBar* makeSpinBar(QWidget* parent, int minimum, int maximum, int step);

// A spin bar that runs backwards: `leftEnd` (the larger number) at its left
// arrow, `rightEnd` at its right arrow, so the right arrow lowers the value.
QScrollBar* makeBackwardsSpinBar(QWidget* parent, int leftEnd, int rightEnd);

// Shows `value` on the bar without running its change handler; a value the
// bar cannot hold is shown as the nearest end. Returns the value shown.
int showOnSpinBar(QScrollBar* bar, double value);

} // namespace kirabellum
