#include "core/document/DesignMath.h"
#include "common/Rounding.h"
#include "core/document/FloatBits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kirabellum {
namespace {

TEST(DesignMath, DegToRadIsTheDesignersOwnConstant) {
    EXPECT_EQ(floatBits(DegToRad), 0x3C8EF921u);
}

TEST(DesignMath, RoundsHalvesToEven) {
    const struct {
        double value;
        double rounded;
    } cases[] = {{2.5, 2}, {3.5, 4},    {22.5, 22},  {-2.5, -2}, {-3.5, -4}, {0.5, 0},
                 {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0},  {7.0, 7},   {-7.6, -8}};
    for (const auto& c : cases)
        EXPECT_EQ(common::roundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_TRUE(std::isnan(common::roundHalfEven(NAN)));
    EXPECT_EQ(common::roundHalfEven(INFINITY), INFINITY);
}

TEST(DesignMath, PointAngleWorkedValues) {
    const struct {
        float px, py, expected;
    } cases[] = {
        {90, 80, 0.0f}, {80, 90, 90.0f}, {70, 80, 180.0f}, {80, 70, 270.0f}, {80, 80, 270.0f}};
    for (const auto& c : cases)
        EXPECT_EQ(PointAngle(80, 80, c.px, c.py), c.expected) << c.px << "," << c.py;
    // DegToRad is a little below pi/180, so angles come out a little large.
    EXPECT_NEAR(PointAngle(80, 80, 90, 90), 45.0013f, 0.00005f);
    EXPECT_GT(PointAngle(80, 80, 90, 90), 45.001f);
}

TEST(DesignMath, PointAngleCoversAllQuadrantsFrom0ToUnder360) {
    for (int step = 0; step < 72; ++step) {
        const double radians = step * 5.0 * 3.14159265358979 / 180.0;
        const float px = static_cast<float>(80 + 40 * std::cos(radians));
        const float py = static_cast<float>(80 + 40 * std::sin(radians));
        const float angle = PointAngle(80, 80, px, py);
        EXPECT_GE(angle, 0.0f);
        EXPECT_LT(angle, 360.0f);
        // Within the error of the slightly short DegToRad (at most 0.012 degrees).
        EXPECT_NEAR(angle, static_cast<float>(step) * 5.0f, 0.02f) << "step " << step;
    }
}

} // namespace
} // namespace kirabellum
