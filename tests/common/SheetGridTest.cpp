#include "common/sheets/SheetGrid.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(SheetGrid, CellsTileTheGridExactlyWithTheFrameInTheirMiddle) {
    const struct {
        int frames, size, columns, padding;
    } cases[] = {{16, 128, 8, 0}, {16, 128, 8, 2}, {7, 24, 3, 0}, {7, 24, 3, 5}, {1, 512, 1, 256}};
    for (const auto& row : cases) {
        const SheetGrid grid(row.frames, row.size, row.columns, row.padding, false);
        const int cell = row.size + 2 * row.padding;
        const int rows = (row.frames + row.columns - 1) / row.columns;
        EXPECT_EQ(grid.width(), row.columns * cell);
        EXPECT_EQ(grid.height(), rows * cell);
        for (int frame = 0; frame < grid.columns() * grid.rows(); ++frame) {
            const QRect expected((frame % row.columns) * cell, (frame / row.columns) * cell, cell,
                                 cell);
            EXPECT_EQ(grid.cellRect(frame), expected) << frame;
            EXPECT_EQ(grid.frameRect(frame),
                      QRect(expected.topLeft() + QPoint(row.padding, row.padding),
                            QSize(row.size, row.size)));
        }
    }
}

struct LayoutCase {
    const char* what;
    SheetShape shape;
    SheetOptions options;
    int columns;         // 0: refused
    int width, height;   // of the sheet
    const char* message; // part of the refusal
};

SheetOptions options(int maxSize, bool powerOfTwo = false, std::optional<int> columns = {},
                     int padding = 0, int frameStep = 1) {
    SheetOptions result;
    result.maxSize = maxSize;
    result.powerOfTwo = powerOfTwo;
    result.columns = columns;
    result.padding = padding;
    result.frameStep = frameStep;
    return result;
}

TEST(SheetGrid, TheOwnLayoutStaysUnlessTheLargestEdgeCannotHoldIt) {
    const LayoutCase cases[] = {
        {"own layout", {20, 128, 4}, options(0), 4, 512, 640, ""},
        {"own layout at the limit", {20, 128, 4}, options(640), 4, 512, 640, ""},
        {"nothing fits below 640",
         {20, 128, 4},
         options(639),
         0,
         0,
         0,
         "--max-size 639 cannot hold a sheet of 20 frames of 128 x 128 pixels; the smallest "
         "size that would is 640"},
        {"a strip folded square", {16, 100, 16}, options(512), 4, 400, 400, ""},
        {"fewest empty cells first", {10, 100, 10}, options(500), 5, 500, 200, ""},
        {"squarer, then wider", {12, 10, 12}, options(100), 4, 40, 30, ""},
        {"padding counts", {4, 100, 4}, options(420, false, {}, 5), 2, 220, 220, ""},
        {"powers of two", {9, 64, 3}, options(0, true), 3, 256, 256, ""},
        {"powers of two cannot fit",
         {9, 64, 3},
         options(255, true),
         0,
         0,
         0,
         "the smallest size that would is 256"},
        {"columns given", {8, 64, 8}, options(0, false, 2), 2, 128, 256, ""},
        {"columns given do not fit",
         {8, 64, 1},
         options(300, false, 8),
         0,
         0,
         0,
         "--columns 8 makes the sheet 512 x 64 pixels, more than --max-size 300 allows; the "
         "smallest size that would hold it is 512"},
        {"too many columns",
         {8, 64, 1},
         options(0, false, 9),
         0,
         0,
         0,
         "--columns must be from 1 to 8, not 9"},
        {"no columns",
         {8, 64, 1},
         options(0, false, 0),
         0,
         0,
         0,
         "--columns must be from 1 to 8, not 0"},
        {"every other frame", {20, 128, 4}, options(0, false, {}, 0, 2), 4, 512, 384, ""},
        {"own columns held to the frames kept",
         {7, 64, 7},
         options(0, false, {}, 0, 3),
         3,
         192,
         64,
         ""},
        {"columns given for the frames kept",
         {8, 64, 1},
         options(0, false, 5, 0, 2),
         0,
         0,
         0,
         "--columns must be from 1 to 4, not 5"},
    };
    for (const LayoutCase& row : cases) {
        SheetGrid grid;
        const Status status = SheetGrid::layOut(row.shape, row.options, grid);
        ASSERT_EQ(status.ok(), row.columns > 0)
            << row.what << ": " << status.message().toStdString();
        if (!status.ok()) {
            EXPECT_TRUE(status.message().contains(QString::fromUtf8(row.message)))
                << row.what << ": " << status.message().toStdString();
            continue;
        }
        EXPECT_EQ(grid.columns(), row.columns) << row.what;
        EXPECT_EQ(QSize(grid.width(), grid.height()), QSize(row.width, row.height)) << row.what;
    }
}

TEST(SheetGrid, SaysWhenPowerOfTwoEdgesHideTheGridFromTileCounts) {
    EXPECT_EQ(SheetGrid(16, 64, 4, 0, true).powerOfTwoWarning(), QString());
    EXPECT_EQ(SheetGrid(9, 64, 3, 0, false).powerOfTwoWarning(), QString());
    const QString warning = SheetGrid(9, 64, 3, 0, true).powerOfTwoWarning();
    EXPECT_TRUE(warning.contains(QStringLiteral("192 x 192 pixels of the 256 x 256 sheet")))
        << warning.toStdString();
    EXPECT_FALSE(SheetGrid(16, 60, 4, 1, true).powerOfTwoWarning().isEmpty());
    EXPECT_EQ(SheetGrid(16, 124, 8, 2, true).tilesText(15),
              QStringLiteral("8 x 2 tiles of 128 x 128 px, 15 fps"));
    EXPECT_EQ(SheetGrid(8, 124, 8, 2, true).tilesText(7.5),
              QStringLiteral("8 x 1 tiles of 128 x 128 px, 7.5 fps"));
}

} // namespace
} // namespace common
