#include "core/editing/EditorMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kirabellum {
namespace {

TEST(EditorMath, RoundingToSixteenBitsHalvesToEvenAndHoldsToTheRange) {
    const struct {
        double value;
        std::int16_t expected;
    } cases[] = {
        {2.5, 2},         {3.5, 4},          {-2.5, -2},
        {80.49, 80},      {40000.0, 32767},  {-40000.0, -32768},
        {32767.4, 32767}, {std::nan(""), 0}, {std::numeric_limits<double>::infinity(), 32767},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundToInt16(c.value), c.expected) << c.value;
}

TEST(EditorMath, APressPicksTheNearestOfThe36Directions) {
    const struct {
        float x, y;
        int direction;
    } cases[] = {
        {90.0f, 80.0f, 0},  // along +x
        {80.0f, 90.0f, 9},  // below the centre: 90 degrees
        {70.0f, 80.0f, 18}, // along -x
        {80.0f, 70.0f, 27}, // above the centre
        {80.0f, 80.0f, 27}, // on the centre: 270 degrees
        {90.0f, 79.5f, 0},  // just above +x: 357 degrees and some, wrapping to 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(nearestDirection(80, 80, c.x, c.y), c.direction) << c.x << ", " << c.y;
}

TEST(EditorMath, ThePressDistanceIsTheEuclideanDistance) {
    EXPECT_DOUBLE_EQ(pressDistance(80, 80, 83.0f, 84.0f), 5.0);
    EXPECT_DOUBLE_EQ(pressDistance(0, 0, 0.0f, 0.0f), 0.0);
}

} // namespace
} // namespace kirabellum
