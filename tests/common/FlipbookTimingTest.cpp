#include "common/FlipbookTiming.h"

#include <gtest/gtest.h>

#include <string>

namespace common {
namespace {

// "from>to@blend" for each tick of a pass.
std::string ticks(const FlipbookTiming& timing) {
    std::string shown;
    for (int index = 0; index < timing.tickCount(); ++index) {
        const FlipbookTick tick = timing.tick(index);
        shown += (index ? " " : "") + std::to_string(tick.from) + ">" + std::to_string(tick.to) +
                 "@" + std::to_string(static_cast<int>(tick.blend * 100));
    }
    return shown;
}

TEST(FlipbookTimingTest, TicksThroughTheKeptFramesAsAnEnginePlaysThem) {
    struct Case {
        int frameCount, frameStep, slowDown;
        bool loop;
        const char* expected;
    };
    const Case cases[] = {
        // Every frame at its own rate: the ticks are the frames.
        {4, 1, 1, false, "0>1@0 1>2@0 2>3@0 3>3@0"},
        // Frames 0, 2 and 4 of 6: a burst ends on the last kept frame.
        {6, 2, 1, false, "0>1@0 0>1@50 1>2@0 1>2@50 2>2@0"},
        // A loop's last kept frame leads into its first.
        {6, 2, 1, true, "0>1@0 0>1@50 1>2@0 1>2@50 2>0@0 2>0@50"},
        // Slowed to a quarter: four ticks per frame of the render.
        {2, 1, 4, true, "0>1@0 0>1@25 0>1@50 0>1@75 1>0@0 1>0@25 1>0@50 1>0@75"},
        // A step beyond the frames keeps the first alone; no frames, no ticks.
        {3, 4, 1, false, "0>0@0"},
        {0, 2, 2, true, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ticks(FlipbookTiming(c.frameCount, c.frameStep, c.slowDown, c.loop)), c.expected)
            << c.frameCount << " frames, step " << c.frameStep << ", slowed " << c.slowDown;
}

TEST(FlipbookTimingTest, KeptFramesAreEveryStepthFrameOfTheRender) {
    const FlipbookTiming timing(10, 4, 1, false);
    EXPECT_EQ(timing.keptFrameCount(), 3);
    EXPECT_EQ(timing.renderedFrame(2), 8);
}

} // namespace
} // namespace common
