#include "common/ScreenUnits.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(ScreenUnits, TwipsBecomeWholePixelsHalvesToEven) {
    const struct {
        int twips, pixels;
    } cases[] = {{0, 0},  {15, 1}, {100, 7}, {200, 13}, {7, 0},     {8, 1},
                 {22, 1}, {23, 2}, {37, 2},  {38, 3},   {1500, 100}};
    for (const auto& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
}

} // namespace
} // namespace common
