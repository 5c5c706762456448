#include "core/render/StampKernels.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace kirabellum {
namespace {

constexpr double Limit = 255.0;

// Each sum is held to 0 from below and to the limit from above; a NaN
// contribution leaves 0.
TEST(StampKernelsTest, ASpanAddsItsContributionsWithinTheCanvasLimits) {
    const std::array<double, 5> contributions = {0.0, 1.5, -20.0, 10.0, std::nan("")};
    const std::vector<std::uint8_t> values = {1, 2, 3, 0, 4};
    std::vector<float> cells = {0.0f, 10.0f, 250.0f, 5.0f, 7.0f};
    addSpan(cells.data(), values.data(), 5, contributions.data(), Limit);
    EXPECT_EQ(cells, (std::vector<float>{1.5f, 0.0f, 255.0f, 5.0f, 0.0f}));
}

// Indices at or below the shift add nothing; the rest add (index - shift) ×
// AddRate, held to the limit.
TEST(StampKernelsTest, AShiftedSpanAddsTheIndicesAboveTheShift) {
    const std::vector<std::int32_t> values = {10, 3, 2, 255};
    std::vector<float> cells = {1.0f, 1.0f, 1.0f, 200.0f};
    addShiftedSpan(cells.data(), values.data(), 4, 3, 0.5, Limit);
    EXPECT_EQ(cells, (std::vector<float>{4.5f, 1.0f, 1.0f, 255.0f}));
}

// Groups, stamped on vectors, against the loops over their pixels: transparent
// and dark pixels, sums past the limit and inexact products among them.
TEST(StampKernelsTest, WholeGroupsStampAsOneSpanOfTheirPixels) {
    std::vector<std::int32_t> values(2 * PixelGroup);
    std::vector<float> before(values.size());
    for (std::size_t index = 0; index < values.size(); ++index) {
        values[index] = index == 3 ? -(1 << 30) : static_cast<std::int32_t>(index * 37 % 256);
        before[index] = static_cast<float>(index) * 9.25f;
    }
    for (const double weight : {0.0, 0.7, 1.0}) {
        std::vector<float> grouped = before;
        std::vector<float> spanned = before;
        if (weight == 0.0) {
            addShiftedGroups<false>(grouped.data(), values.data(), 2, 40, 1.0, 0.75, Limit);
            addShiftedSpan(spanned.data(), values.data(), 2 * PixelGroup, 40, 0.75, Limit);
        } else {
            addShiftedGroups<true>(grouped.data(), values.data(), 2, 40, weight, 1.3, Limit);
            addWeightedShiftedSpan(spanned.data(), values.data(), 2 * PixelGroup, 40, weight, 1.3,
                                   Limit);
        }
        EXPECT_EQ(grouped, spanned) << weight;
    }
}

// Halfway, two spark pixels land on one canvas pixel: the second adds to the
// first's sum, held to the limit, and spark pixels outside begin to end add
// nothing.
TEST(StampKernelsTest, AMappedSpanAddsPixelsSharingACanvasPixelInTurn) {
    const std::array<double, 2> contributions = {0.0, 200.0};
    const std::vector<int> columns = {0, 1, 1, 3, 2};
    const std::vector<std::uint8_t> values = {1, 1, 1, 1, 1};
    std::vector<float> line(4, 0.0f);
    addMappedSpan(line.data(), columns.data(), values.data(), 0, 4, contributions.data(), Limit);
    EXPECT_EQ(line, (std::vector<float>{200.0f, 255.0f, 0.0f, 200.0f}));
}

} // namespace
} // namespace kirabellum
