#include "core/FrameClock.h"
#include "common/ScreenUnits.h"

#include <gtest/gtest.h>

namespace koratune {
namespace {

TEST(ScreenUnits, TwipsBecomeWholePixelsHalvesToEven) {
    const struct {
        int twips, pixels;
    } cases[] = {{0, 0},  {15, 1}, {100, 7}, {200, 13}, {7, 0},     {8, 1},
                 {22, 1}, {23, 2}, {37, 2},  {38, 3},   {1500, 100}};
    for (const auto& c : cases)
        EXPECT_EQ(common::twipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(FrameClock, WaitsMoreThanTheInterval) {
    for (int interval : {0, 1, 5, 17}) {
        const FrameClock::Clock::time_point last = FrameClock::Clock::now();
        const FrameClock::Clock::time_point shown = FrameClock::waitPast(last, interval);
        EXPECT_GE(shown - last, std::chrono::milliseconds(interval + 1)) << interval;
        EXPECT_LE(shown, FrameClock::Clock::now());
    }
}

TEST(FrameClock, ReturnsAtOnceWhenTheIntervalHasAlreadyPassed) {
    const FrameClock::Clock::time_point last =
        FrameClock::Clock::now() - std::chrono::milliseconds(100);
    const FrameClock::Clock::time_point shown = FrameClock::waitPast(last, 17);
    EXPECT_GE(shown - last, std::chrono::milliseconds(100));
}

} // namespace
} // namespace koratune
