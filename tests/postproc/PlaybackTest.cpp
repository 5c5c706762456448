#include "core/Playback.h"
#include "core/FrameSelection.h"

#include "TestImages.h"

#include <gtest/gtest.h>

#include <vector>

namespace koratune {
namespace {

SharedSettings frameSettings(int frameSize, int frameCount, int startFrame, int skipStep) {
    SharedSettings settings;
    settings.FrameSize = frameSize;
    settings.FrameCount = frameCount;
    settings.StartFrame = startFrame;
    settings.SkipStep = skipStep;
    return settings;
}

// The frames a playback shows, in order.
std::vector<int> framesShown(const Playback& playback) {
    common::FramePlayback timing(playback.frames(), 17, common::FramePlayback::TimePoint());
    std::vector<int> frames;
    while (!timing.ended()) {
        const common::FramePlayback::Step step = timing.step(timing.due());
        if (step.action == common::FramePlayback::Action::Show)
            frames.push_back(step.frame);
    }
    return frames;
}

TEST(Playback, ShowsTheFramesTheOutputLaysOut) {
    const struct {
        int frameCount, startFrame, skipStep;
        std::vector<int> frames;
    } cases[] = {
        {10, 0, 3, {0, 3, 6, 9}}, {10, 9, 1, {9}}, {10, 0, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {7, 2, 2, {2, 4, 6}},     {1, 0, 1, {0}},  {256, 250, 9, {250}},
    };
    for (const auto& c : cases) {
        const SharedSettings settings = frameSettings(160, c.frameCount, c.startFrame, c.skipStep);
        EXPECT_EQ(framesShown(Playback(settings, 640)), c.frames)
            << c.frameCount << " " << c.startFrame;
        EXPECT_EQ(FrameSelection(settings).frames(), c.frames)
            << c.frameCount << " " << c.startFrame;
    }
}

TEST(Playback, ShowsTheFramePixelForPixel) {
    const QImage work = numberedFrames(16, 4, 3);
    const Playback playback(frameSettings(16, 12, 0, 1), work.width());
    EXPECT_EQ(playback.edge(), 16);
    EXPECT_EQ(playback.frameImage(work, 5), work.copy(16, 16, 16, 16));
}

TEST(Playback, MirrorsInsideTheFramesOwnSquare) {
    const QImage work = numberedFrames(16, 4, 3);
    const struct {
        bool horizontal, vertical;
    } cases[] = {{true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        SharedSettings settings = frameSettings(16, 12, 0, 1);
        settings.FlipHorizontal = c.horizontal;
        settings.FlipVertical = c.vertical;
        const QImage image = Playback(settings, work.width()).frameImage(work, 6);
        ASSERT_EQ(image.size(), QSize(16, 16));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int sourceX = c.horizontal ? 15 - x : x;
                const int sourceY = c.vertical ? 15 - y : y;
                ASSERT_EQ(image.pixel(x, y), numberedPixel(6, sourceX, sourceY))
                    << x << "," << y << " flips " << c.horizontal << c.vertical;
            }
        }
    }
}

} // namespace
} // namespace koratune
