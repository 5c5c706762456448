#include "core/FrameSelection.h"

#include <gtest/gtest.h>

namespace koratune {
namespace {

TEST(FrameSelection, FramesUsedFollowTheCeilingOfTheRemainingFramesOverTheStep) {
    const struct {
        int frameCount, startFrame, skipStep, used;
    } cases[] = {{10, 0, 1, 10}, {10, 0, 3, 4},    {10, 9, 1, 1}, {10, 1, 3, 3},
                 {10, 0, 9, 2},  {256, 0, 255, 2}, {5, 5, 1, 0}};
    for (const auto& c : cases) {
        SharedSettings settings;
        settings.FrameCount = c.frameCount;
        settings.StartFrame = c.startFrame;
        settings.SkipStep = c.skipStep;
        const FrameSelection selection(settings);
        EXPECT_EQ(selection.count(), c.used);
        EXPECT_EQ(static_cast<int>(selection.frames().size()), c.used);
    }
}

} // namespace
} // namespace koratune
