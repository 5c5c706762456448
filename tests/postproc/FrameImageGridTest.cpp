#include "core/FrameImageGrid.h"

#include "TestImages.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace koratune {
namespace {

// The image width and the frame size cannot be given the wrong way round.
static_assert(!std::is_constructible_v<FrameImageGrid, FrameSize, ImageWidth>);
static_assert(!std::is_constructible_v<FrameImageGrid, int, int>);

TEST(FrameImageGrid, AsManyColumnsAsWholeFramesFitAcrossTheImage) {
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
        const FrameImageGrid grid(ImageWidth(c.imageWidth), FrameSize(c.frameSize));
        EXPECT_EQ(grid.columns(), c.columns) << c.imageWidth;
        std::vector<QPoint> origins;
        for (int frame = 0; frame < static_cast<int>(c.origins.size()); ++frame)
            origins.push_back(grid.originOf(frame));
        EXPECT_EQ(origins, c.origins) << c.imageWidth;
    }
}

TEST(FrameImageGrid, DrawsAFramePixelForPixelAtItsPlace) {
    const QImage work = numberedFrames(16, 4, 3);
    QImage destination = filledImage(40, 40, qRgb(1, 2, 3));
    FrameImageGrid(ImageWidth(work.width()), FrameSize(16))
        .drawFrame(work, 5, destination, QPoint(30, 4));
    EXPECT_EQ(destination.copy(30, 4, 10, 16), work.copy(16, 16, 10, 16));
    EXPECT_TRUE(blockIs(destination, QRect(0, 0, 30, 40), qRgb(1, 2, 3)));
    EXPECT_TRUE(blockIs(destination, QRect(30, 20, 10, 20), qRgb(1, 2, 3)));
}

TEST(FrameImageGrid, PixelsOutsideTheImageAreBlack) {
    const QImage work = numberedFrames(16, 4, 2); // holds frames 0 to 7
    const FrameImageGrid grid(ImageWidth(work.width()), FrameSize(16));
    QImage frame(16, 16, QImage::Format_RGB32);
    grid.drawFrame(work, 8, frame, QPoint(0, 0));
    EXPECT_TRUE(blockIs(frame, QRect(0, 0, 16, 16), qRgb(0, 0, 0)));

    // A cell partly outside: the image is 10 pixels short of its last row.
    grid.drawFrame(work.copy(0, 0, 64, 22), 5, frame, QPoint(0, 0));
    EXPECT_EQ(frame.copy(0, 0, 16, 6), work.copy(16, 16, 16, 6));
    EXPECT_TRUE(blockIs(frame, QRect(0, 6, 16, 10), qRgb(0, 0, 0)));
}

} // namespace
} // namespace koratune
