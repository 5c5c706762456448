#include "common/PlaybackClock.h"

#include <gtest/gtest.h>

namespace common {
namespace {

using std::chrono::milliseconds;

TEST(PlaybackClock, AWaitEndsAtItsTimeOrLater) {
    PlaybackClock clock;
    for (const milliseconds wait :
         {milliseconds(-100), milliseconds(0), milliseconds(1), milliseconds(3)}) {
        const PlaybackClock::TimePoint due = clock.now() + wait;
        const PlaybackClock::TimePoint reading = clock.waitUntil(due);
        EXPECT_GE(reading, due) << wait.count() << " ms";
        EXPECT_LE(reading, clock.now());
    }
}

} // namespace
} // namespace common
