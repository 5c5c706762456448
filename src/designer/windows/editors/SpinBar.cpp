#include "windows/editors/SpinBar.h"

#include "common/Rounding.h"
#include "common/windows/ValueBarSteps.h"
#include "core/document/DesignMath.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

namespace kirabellum {

namespace {

constexpr int SpinBarWidth = 34;
constexpr int SpinBarHeight = 15;

} // namespace

QScrollBar* makeSpinBar(QWidget* parent, int minimum, int maximum, int step) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(step);
    bar->setPageStep(step);
    bar->setFixedSize(SpinBarWidth, SpinBarHeight);
    new common::ValueBarSteps(bar);
    return bar;
}

QScrollBar* makeBackwardsSpinBar(QWidget* parent, int leftEnd, int rightEnd) {
    QScrollBar* bar = makeSpinBar(parent, rightEnd, leftEnd, 1);
    // Laid out right to left, a bar has its maximum and the arrow that raises
    // the value on the left; the slider and both arrows are mirrored together.
    bar->setLayoutDirection(Qt::RightToLeft);
    return bar;
}

int showOnSpinBar(QScrollBar* bar, double value) {
    const int shown = !std::isfinite(value)    ? bar->minimum()
                      : value < bar->minimum() ? bar->minimum()
                      : value > bar->maximum() ? bar->maximum()
                                               : static_cast<int>(common::roundHalfEven(value));
    const QSignalBlocker quiet(bar);
    bar->setValue(shown);
    return shown;
}

} // namespace kirabellum
