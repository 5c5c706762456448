#include "core/render/SparkPlacement.h"

#include "common/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kirabellum {
namespace {

constexpr float Infinity = std::numeric_limits<float>::infinity();

TEST(SparkPlacementTest, SparkPixelZeroLandsWhereRoundingToEvenPutsIt) {
    const struct {
        float position;
        bool placed;
        bool halfway;
        int origin;
    } cases[] = {
        {16.0f, true, false, 0},
        {16.7f, true, false, 1},
        {15.2f, true, false, -1},
        {16.5f, true, true, 0},
        {17.5f, true, true, 2},
        {15.5f, true, true, 0},
        {-20.5f, true, true, -36},
        {0x1.fffffep29f, true, false, 1073741744},
        {0x1.0p30f, false, false, 0},
        {-0x1.0p30f, false, false, 0},
        {Infinity, false, false, 0},
        {-Infinity, false, false, 0},
        {std::numeric_limits<float>::quiet_NaN(), false, false, 0},
    };
    for (const auto& c : cases) {
        const AxisPlacement placement = placeAxis(c.position);
        EXPECT_EQ(placement.placed, c.placed) << c.position;
        EXPECT_EQ(placement.halfway, c.halfway) << c.position;
        EXPECT_EQ(placement.origin, c.origin) << c.position;
    }
}

// An accepted shift gives every ramp index the intensity the rounding gives it.
TEST(SparkPlacementTest, AWholeShiftIsTakenOnlyWhereItIsExact) {
    const struct {
        double ageFade;
        bool accepted;
        std::int64_t shift;
    } cases[] = {
        {3.0, true, 3},
        {2.75, true, 3},
        {2.25, true, 2},
        {-0.25, true, 0},
        {-2.75, true, -3},
        {5000.25, true, 5000}, // past 2^12 on the coarser grid
        {2.5, false, 0},       // halfway
        {-2.5, false, 0},
        {0.1, false, 0}, // finer than either grid
        {4096.1, false, 0},
        {0x1.0p26, false, 0}, // too far
        {std::numeric_limits<double>::infinity(), false, 0},
        {std::numeric_limits<double>::quiet_NaN(), false, 0},
    };
    for (const auto& c : cases) {
        std::int64_t shift = 0;
        ASSERT_EQ(wholeShift(c.ageFade, shift), c.accepted) << c.ageFade;
        if (!c.accepted)
            continue;
        EXPECT_EQ(shift, c.shift) << c.ageFade;
        for (int value = 0; value <= 255; ++value)
            EXPECT_EQ(common::roundHalfEven(value - c.ageFade), static_cast<double>(value - shift))
                << c.ageFade << " " << value;
    }
}

} // namespace
} // namespace kirabellum
