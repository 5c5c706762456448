#include "core/render/StripLayout.h"

#include "core/document/DesignDocument.h"

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

DesignDocument withSettings(int frameSize, int frameCount, int widthLimit) {
    DesignDocument design;
    ApplyDefaults(design);
    design.FrameSize = static_cast<std::int16_t>(frameSize);
    design.FrameCount = static_cast<std::int16_t>(frameCount);
    design.WidthLimit = static_cast<std::int16_t>(widthLimit);
    return design;
}

TEST(StripLayoutTest, ColumnsAndRows) {
    const struct {
        int frameSize, frameCount, widthLimit, columns, rows;
    } cases[] = {
        {160, 10, 640, 4, 3}, {160, 3, 640, 3, 1},    {100, 10, 320, 3, 4},
        {160, 1, 640, 1, 1},  {24, 256, 1600, 66, 4}, {512, 10, 320, 1, 10}, // wider than the limit
        {160, 8, 640, 4, 2},  {512, 63, 1600, 3, 21},
    };
    for (const auto& c : cases) {
        StripLayout layout;
        ASSERT_TRUE(
            layOutStrip(withSettings(c.frameSize, c.frameCount, c.widthLimit), layout).ok());
        EXPECT_EQ(layout.Columns, c.columns) << c.frameSize << "/" << c.frameCount;
        EXPECT_EQ(layout.Rows, c.rows) << c.frameSize << "/" << c.frameCount;
        EXPECT_EQ(layout.width(), c.frameSize * c.columns);
        EXPECT_EQ(layout.height(), c.frameSize * c.rows);
    }
}

TEST(StripLayoutTest, ColumnsWithinTheWidthLimitAreAtLeastOne) {
    const struct {
        int frameSize, widthLimit, columns;
    } cases[] = {{160, 640, 4}, {160, 639, 3}, {24, 1600, 66}, {512, 320, 1}, {0, 640, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(stripColumns(c.frameSize, c.widthLimit), c.columns) << c.frameSize;
}

TEST(StripLayoutTest, FramesFillRowsLeftToRight) {
    StripLayout layout;
    ASSERT_TRUE(layOutStrip(withSettings(160, 10, 640), layout).ok());
    const QPoint expected[] = {{0, 0},     {160, 0},   {320, 0},   {480, 0}, {0, 160},
                               {160, 160}, {320, 160}, {480, 160}, {0, 320}, {160, 320}};
    for (int frame = 0; frame < 10; ++frame)
        EXPECT_EQ(layout.cellOrigin(frame), expected[frame]) << frame;
}

TEST(StripLayoutTest, RefusesSettingsOutsideTheWindowAndOversizedStrips) {
    const struct {
        int frameSize, frameCount, widthLimit;
        const char* words;
    } cases[] = {
        {0, 10, 640, "frame size 0"},       {23, 10, 640, "frame size 23"},
        {513, 10, 640, "frame size 513"},   {160, 0, 640, "frame count 0"},
        {160, 257, 640, "frame count 257"}, {160, -3, 640, "frame count -3"},
        {160, 10, 319, "width limit 319"},  {160, 10, 1601, "width limit 1601"},
        {512, 256, 1600, "1536 x 44032"},   {512, 64, 320, "512 x 32768"},
    };
    for (const auto& c : cases) {
        StripLayout layout;
        layout.Columns = 77;
        const common::Status status =
            layOutStrip(withSettings(c.frameSize, c.frameCount, c.widthLimit), layout);
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(status.message().contains(QString::fromUtf8(c.words)))
            << status.message().toStdString();
        EXPECT_EQ(layout.Columns, 77);
    }
}

} // namespace
} // namespace kirabellum
