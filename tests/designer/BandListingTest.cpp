#include "core/render/BandListing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kirabellum {
namespace {

// Every count from none to past two groups of eight, with empty ranges, ranges
// that end where a band begins or begin where it ends, and bands at the frame's
// edges and of no rows.
TEST(BandListingTest, ListsInOrderThePositionsWhoseRowsOverlapTheBand) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> row(0, 40);
    const struct {
        int begin, end;
    } bands[] = {{0, 40}, {0, 13}, {13, 40}, {20, 21}, {17, 17}, {39, 40}};
    for (int count = 0; count <= 19; ++count) {
        std::vector<RowRange> rows(static_cast<std::size_t>(count));
        for (RowRange& range : rows) {
            const int first = row(random);
            const int second = row(random);
            range = {static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(second)};
        }
        for (const auto& band : bands) {
            std::vector<int> expected;
            for (int position = 0; position < count; ++position) {
                const RowRange range = rows[static_cast<std::size_t>(position)];
                // Some row lies in both.
                if (std::max<int>(range.begin, band.begin) < std::min<int>(range.end, band.end))
                    expected.push_back(position);
            }
            std::vector<int> listed(static_cast<std::size_t>(count));
            const int listedCount =
                listOverlapping(rows.data(), count, band.begin, band.end, listed.data());
            listed.resize(static_cast<std::size_t>(listedCount));
            EXPECT_EQ(listed, expected)
                << count << " plans, band " << band.begin << "-" << band.end;
        }
    }
}

} // namespace
} // namespace kirabellum
