#include "common/windows/ValueBarSteps.h"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace common {
namespace {

enum class Input { WheelUp, WheelDown, TwoHalfNotchesUp, PageUp, PageDown };

void send(QScrollBar& bar, Input input) {
    const auto turn = [&bar](int delta) {
        QWheelEvent wheel(QPointF(5, 5), bar.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&bar, &wheel);
    };
    switch (input) {
    case Input::WheelUp:
        return turn(120);
    case Input::WheelDown:
        return turn(-120);
    case Input::TwoHalfNotchesUp:
        turn(60);
        return turn(60);
    case Input::PageUp:
        return QTest::keyClick(&bar, Qt::Key_PageUp);
    case Input::PageDown:
        return QTest::keyClick(&bar, Qt::Key_PageDown);
    }
}

TEST(ValueBarSteps, WheelNotchesTakeArrowStepsAndPageKeysATenthOfTheRange) {
    const struct {
        const char* bar;
        int minimum, maximum, step, start;
        bool backwards; // laid out right to left, as a bar whose label counts down
        Input input;
        int expected;
    } rows[] = {
        {"particle count", 4, 2048, 4, 512, false, Input::WheelUp, 516},
        {"particle count", 4, 2048, 4, 512, false, Input::WheelDown, 508},
        {"particle count", 4, 2048, 4, 512, false, Input::TwoHalfNotchesUp, 516},
        {"particle count", 4, 2048, 4, 512, false, Input::PageUp, 716},
        {"particle count", 4, 2048, 4, 512, false, Input::PageDown, 308},
        {"particle count", 4, 2048, 4, 2000, false, Input::PageUp, 2048},
        {"frame size", 24, 512, 8, 160, false, Input::PageUp, 208},
        {"layer", 1, 8, 1, 3, false, Input::PageUp, 4},
        {"life", 0, 255, 1, 35, true, Input::WheelUp, 34},
        {"life", 0, 255, 1, 35, true, Input::PageUp, 10},
        {"life", 0, 255, 1, 35, true, Input::PageDown, 60},
    };
    for (const auto& row : rows) {
        QScrollBar bar(Qt::Horizontal);
        bar.setRange(row.minimum, row.maximum);
        bar.setSingleStep(row.step);
        bar.setPageStep(row.step);
        bar.setValue(row.start);
        if (row.backwards)
            bar.setLayoutDirection(Qt::RightToLeft);
        new ValueBarSteps(&bar);
        send(bar, row.input);
        EXPECT_EQ(bar.value(), row.expected)
            << row.bar << " from " << row.start << ", input " << static_cast<int>(row.input);
    }
}

} // namespace
} // namespace common
