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

TEST(Playback, IntervalsOfTheRefreshRateOptions) {
    const int expected[RefreshRateOptionCount] = {17, 25, 33, 50, 50, 75};
    for (int option = 0; option < RefreshRateOptionCount; ++option)
        EXPECT_EQ(PlayInterval(option), expected[option]) << "option " << option;
}

TEST(Playback, ShowsTheSelectedFramesWithTheirCaptions) {
    const struct {
        int frameCount, startFrame, skipStep;
        std::vector<int> frames;
        std::vector<const char*> captions;
    } cases[] = {
        {10, 0, 3, {0, 3, 6, 9}, {"1/10", "4/10", "7/10", "10/10"}},
        {10, 9, 1, {9}, {"10/10"}},
        {10,
         0,
         1,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
         {"1/10", "2/10", "3/10", "4/10", "5/10", "6/10", "7/10", "8/10", "9/10", "10/10"}},
        {7, 2, 2, {2, 4, 6}, {"3/7", "5/7", "7/7"}},
        {1, 0, 1, {0}, {"1/1"}},
        {256, 250, 9, {250}, {"251/256"}},
    };
    for (const auto& c : cases) {
        const Playback playback(frameSettings(160, c.frameCount, c.startFrame, c.skipStep), 640,
                                false);
        EXPECT_EQ(playback.frames(), c.frames) << c.frameCount << " " << c.startFrame;
        std::vector<std::string> captions;
        for (int frame : playback.frames())
            captions.push_back(playback.caption(frame).toStdString());
        EXPECT_EQ(captions, std::vector<std::string>(c.captions.begin(), c.captions.end()));
    }
    EXPECT_EQ(Playback::idleCaption(), QStringLiteral("Preview"));
}

TEST(Playback, FramesUsedFollowTheCeilingOfTheRemainingFramesOverTheStep) {
    const struct {
        int frameCount, startFrame, skipStep, used;
    } cases[] = {{10, 0, 1, 10}, {10, 0, 3, 4},    {10, 9, 1, 1}, {10, 1, 3, 3},
                 {10, 0, 9, 2},  {256, 0, 255, 2}, {5, 5, 1, 0}};
    for (const auto& c : cases) {
        const FrameSelection selection(frameSettings(160, c.frameCount, c.startFrame, c.skipStep));
        EXPECT_EQ(selection.count(), c.used);
        EXPECT_EQ(static_cast<int>(selection.frames().size()), c.used);
    }
}

TEST(Playback, FramesComeFromTheirCellsRowByRow) {
    const struct {
        int imageWidth, frameSize, columns;
        std::vector<QPoint> origins; // of frames 0, 1, 2, ...
    } cases[] = {
        {640, 160, 4, {{0, 0}, {160, 0}, {320, 0}, {480, 0}, {0, 160}, {160, 160}, {320, 160}}},
        {160, 160, 1, {{0, 0}, {0, 160}, {0, 320}, {0, 480}}},
        {319, 160, 1, {{0, 0}, {0, 160}, {0, 320}}},
        // Narrower than one frame: still one column, one frame per row.
        {100, 160, 1, {{0, 0}, {0, 160}, {0, 320}}},
        {100, 24, 4, {{0, 0}, {24, 0}, {48, 0}, {72, 0}, {0, 24}}},
    };
    for (const auto& c : cases) {
        const Playback playback(frameSettings(c.frameSize, 10, 0, 1), c.imageWidth, false);
        const FrameGrid& grid = playback.grid();
        EXPECT_EQ(grid.columns(), c.columns) << c.imageWidth;
        for (int frame = 0; frame < static_cast<int>(c.origins.size()); ++frame)
            EXPECT_EQ(grid.originOf(frame), c.origins[frame]) << c.imageWidth << " frame " << frame;
    }
}

TEST(Playback, DrawsTheFramePixelForPixel) {
    const QImage work = numberedFrames(16, 4, 3);
    const Playback playback(frameSettings(16, 12, 0, 1), work.width(), false);
    EXPECT_EQ(playback.edge(), 16);
    EXPECT_EQ(playback.frameImage(work, 5), work.copy(16, 16, 16, 16));
}

TEST(Playback, MirrorsAndDoublesInsideTheFramesOwnSquare) {
    const QImage work = numberedFrames(16, 4, 3);
    const struct {
        bool horizontal, vertical, doubleSize;
    } cases[] = {{true, false, false}, {false, true, false}, {true, true, false},
                 {true, false, true},  {false, false, true}, {false, true, true}};
    for (const auto& c : cases) {
        SharedSettings settings = frameSettings(16, 12, 0, 1);
        settings.FlipHorizontal = c.horizontal;
        settings.FlipVertical = c.vertical;
        const Playback playback(settings, work.width(), c.doubleSize);
        const int scale = c.doubleSize ? 2 : 1;
        ASSERT_EQ(playback.scale(), scale);
        const QImage image = playback.frameImage(work, 6);
        ASSERT_EQ(image.size(), QSize(16 * scale, 16 * scale));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int sourceX = c.horizontal ? 15 - x / scale : x / scale;
                const int sourceY = c.vertical ? 15 - y / scale : y / scale;
                ASSERT_EQ(image.pixel(x, y), numberedPixel(6, sourceX, sourceY))
                    << x << "," << y << " flips " << c.horizontal << c.vertical;
            }
        }
    }
}

TEST(Playback, FramesOutsideTheImageAreBlack) {
    const QImage work = numberedFrames(16, 4, 2); // holds frames 0 to 7
    const Playback playback(frameSettings(16, 10, 0, 1), work.width(), false);
    EXPECT_TRUE(blockIs(playback.frameImage(work, 8), QRect(0, 0, 16, 16), qRgb(0, 0, 0)));

    // A cell partly outside: the image is 10 pixels short of its last row.
    const QImage shortWork = work.copy(0, 0, 64, 22);
    const QImage partial = playback.frameImage(shortWork, 5);
    EXPECT_EQ(partial.copy(0, 0, 16, 6), work.copy(16, 16, 16, 6));
    EXPECT_TRUE(blockIs(partial, QRect(0, 6, 16, 10), qRgb(0, 0, 0)));
}

} // namespace
} // namespace koratune
