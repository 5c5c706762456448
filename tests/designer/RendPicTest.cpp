#include "core/render/RendPic.h"

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

TEST(RendPicTest, ABlankRowCarriesItsLayoutAndWrapsWhenTooWide) {
    const struct {
        int frameCount, frameSize;
        int columns, rows, heldCount, heldSize;
    } cases[] = {
        {10, 160, 10, 1, 10, 160},
        {1400, 24, 1365, 2, 1400, 24}, // 33600 pixels in one row
        {0, 0, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        RendPic rendPic;
        rendPic.clearToBlankRow(c.frameCount, c.frameSize);
        const StripLayout& layout = rendPic.layout();
        EXPECT_EQ(layout.FrameSize, c.heldSize) << c.frameCount;
        EXPECT_EQ(layout.FrameCount, c.heldCount) << c.frameCount;
        EXPECT_EQ(layout.Columns, c.columns) << c.frameCount;
        EXPECT_EQ(layout.Rows, c.rows) << c.frameCount;
        EXPECT_EQ(rendPic.picture().size(), QSize(layout.width(), layout.height())) << c.frameCount;
    }
}

} // namespace
} // namespace kirabellum
