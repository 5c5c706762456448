#include "common/sheets/MaxRectsPacker.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(MaxRectsPacker, EachRectangleGoesWhereItLeavesTheShortestSide) {
    const struct {
        QSize size;
        QPoint place;
    } cases[] = {
        // After a 30 x 20 at the top left of 40 x 30: a strip 10 wide at the
        // right and one 10 high below.
        {{8, 8}, {30, 0}},  // 2 left over either way; the right strip leaves less of the rest
        {{9, 10}, {0, 20}}, // fills the strip below to its height
    };
    for (const auto& row : cases) {
        MaxRectsPacker packer(QSize(40, 30));
        ASSERT_TRUE(packer.insert(QSize(30, 20)));
        EXPECT_EQ(packer.insert(row.size), QRect(row.place, row.size));
    }
}

TEST(MaxRectsPacker, FillsTheBinAndRefusesWhatNoFreeSpaceHolds) {
    MaxRectsPacker packer(QSize(20, 20));
    for (int square = 0; square < 4; ++square)
        EXPECT_TRUE(packer.insert(QSize(10, 10))) << square;
    EXPECT_EQ(packer.used(), QSize(20, 20));
    EXPECT_FALSE(packer.insert(QSize(1, 1)));
    EXPECT_FALSE(MaxRectsPacker::pack({QSize(21, 1)}, QSize(20, 20)));
}

TEST(MaxRectsPacker, PacksTallestFirstAndAnswersInTheOrderGiven) {
    EXPECT_EQ(MaxRectsPacker::pack({QSize(5, 5), QSize(10, 10)}, QSize(15, 10)),
              (std::vector<QRect>{QRect(10, 0, 5, 5), QRect(0, 0, 10, 10)}));
}

TEST(MaxRectsPacker, PackedRectanglesNeverOverlapAndLieInTheBin) {
    std::vector<QSize> sizes;
    for (int index = 0; index < 60; ++index)
        sizes.emplace_back(1 + (index * 7) % 13, 1 + (index * 5) % 11);
    const QSize bin(64, 64);
    const std::optional<std::vector<QRect>> placed = MaxRectsPacker::pack(sizes, bin);
    ASSERT_TRUE(placed);
    for (std::size_t a = 0; a < placed->size(); ++a) {
        EXPECT_EQ((*placed)[a].size(), sizes[a]);
        EXPECT_TRUE(QRect(QPoint(), bin).contains((*placed)[a]));
        for (std::size_t b = a + 1; b < placed->size(); ++b)
            EXPECT_FALSE((*placed)[a].intersects((*placed)[b])) << a << " and " << b;
    }
}

} // namespace
} // namespace common
