#include "common/FrameGrid.h"

#include <gtest/gtest.h>

#include <vector>

namespace common {
namespace {

std::vector<QPoint> originsOf(const FrameGrid& grid, int frameCount) {
    std::vector<QPoint> origins;
    for (int frame = 0; frame < frameCount; ++frame)
        origins.push_back(grid.originOf(frame));
    return origins;
}

TEST(FrameGrid, FramesFillTheRowsLeftToRightFromTheTopLeftCorner) {
    const struct {
        int frameSize, columns, frameCount, rows;
        std::vector<QPoint> origins;
    } cases[] = {
        {160,
         4,
         10,
         3,
         {{0, 0},
          {160, 0},
          {320, 0},
          {480, 0},
          {0, 160},
          {160, 160},
          {320, 160},
          {480, 160},
          {0, 320},
          {160, 320}}},
        {160, 1, 4, 4, {{0, 0}, {0, 160}, {0, 320}, {0, 480}}},
        {24, 3, 3, 1, {{0, 0}, {24, 0}, {48, 0}}},
        {24, 3, 4, 2, {{0, 0}, {24, 0}, {48, 0}, {0, 24}}},
        // A grid has at least one column.
        {50, 0, 3, 3, {{0, 0}, {0, 50}, {0, 100}}},
        {50, -2, 2, 2, {{0, 0}, {0, 50}}},
        {50, 5, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const FrameGrid grid(c.frameSize, c.columns);
        EXPECT_EQ(grid.columns(), std::max(1, c.columns));
        EXPECT_EQ(grid.rows(c.frameCount), c.rows) << c.columns << " columns";
        EXPECT_EQ(originsOf(grid, c.frameCount), c.origins) << c.columns << " columns";
    }
}

TEST(FrameGrid, CellsAndTheirSquares) {
    const FrameGrid grid(128, 4);
    const FrameCell cell = grid.cellOf(9);
    EXPECT_EQ(cell.column, 1);
    EXPECT_EQ(cell.row, 2);
    EXPECT_EQ(grid.cellRect(9), QRect(128, 256, 128, 128));
    EXPECT_EQ(grid.frameSize(), 128);
}

} // namespace
} // namespace common
