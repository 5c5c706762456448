#include "common/sheets/FrameBounds.h"

#include <gtest/gtest.h>

namespace common {
namespace {

constexpr Colour Grey = makeColour(40, 40, 40);

// Frames of 8 x 8 on two columns in `background`, with `pixels` set (in the
// frames' image) to white.
SheetFrames frames(int count, Colour background, const std::vector<QPoint>& pixels,
                   int frameStep = 1) {
    SheetFrames made;
    made.grid = FrameGrid(8, 2);
    made.frameCount = count;
    made.frameStep = frameStep;
    made.image = QImage(16, 8 * made.grid.rows(count), QImage::Format_RGB32);
    made.image.fill(colourToRgb(background));
    for (const QPoint& pixel : pixels)
        made.image.setPixel(pixel, qRgb(255, 255, 255));
    return made;
}

TEST(FrameBounds, AFrameIsBoundedByWhatDiffersFromTheBackground) {
    const SheetFrames drawn = frames(3, Grey, {{2, 3}, {5, 4}, {9, 1}, {5, 8}});
    const struct {
        int frame;
        QRect bounds;
    } cases[] = {{0, QRect(2, 3, 4, 2)}, {1, QRect(1, 1, 1, 1)}, {2, QRect(5, 0, 1, 1)}};
    for (const auto& row : cases)
        EXPECT_EQ(frameBounds(drawn, row.frame, Grey), row.bounds) << row.frame;
    EXPECT_TRUE(frameBounds(frames(1, Grey, {}), 0, Grey).isNull());
    EXPECT_EQ(keptFrameBounds(frames(3, Grey, {{9, 1}, {5, 8}}, 2), Grey),
              (std::vector<QRect>{QRect(), QRect(5, 0, 1, 1)}));
}

TEST(FrameBounds, TheUnionHoldsEverySetAgainstItsOwnBackground) {
    const Colour black = makeColour(0, 0, 0);
    const struct {
        const char* what;
        std::vector<SheetFrames> sets;
        std::vector<Colour> backgrounds;
        QRect crop;
    } cases[] = {
        {"two variants",
         {frames(2, Grey, {{1, 2}, {12, 6}}), frames(1, black, {{6, 7}})},
         {Grey, black},
         QRect(1, 2, 6, 6)},
        {"nothing drawn: the centre pixel", {frames(2, Grey, {})}, {Grey}, QRect(4, 4, 1, 1)},
    };
    for (const auto& row : cases)
        EXPECT_EQ(unionBounds(row.sets, row.backgrounds), row.crop) << row.what;
}

} // namespace
} // namespace common
