#include "core/render/SparkShape.h"

#include <gtest/gtest.h>

#include <random>

namespace kirabellum {
namespace {

// The bright spans, their groups of eight pixels and the rows, looked up from tables, against a
// count of the pixels above each shift, for glows, scattered dots and empty sparks.
TEST(SparkShape, BrightSpansHoldExactlyThePixelsAboveTheShift) {
    std::mt19937 generator(5);
    for (int spark = 0; spark < 12; ++spark) {
        std::array<std::uint8_t, SparkEdge * SparkEdge> indices{};
        for (int y = 0; y < SparkEdge; ++y)
            for (int x = 0; x < SparkEdge; ++x) {
                const int distance = std::abs(x - 15) + std::abs(y - 16);
                const int glow = std::max(0, 255 - distance * (8 + spark));
                const int dot = generator() % 4 == 0 ? static_cast<int>(generator() % 256) : 0;
                indices[static_cast<std::size_t>(y * SparkEdge + x)] =
                    static_cast<std::uint8_t>(spark == 11      ? 0
                                              : spark % 2 == 0 ? glow
                                                               : dot);
            }
        SparkShape shape;
        shape.build(indices);
        for (int shift = -3; shift <= 256; ++shift) {
            int firstRow = SparkEdge;
            int endRow = 0;
            int pixels = 0;
            for (int y = 0; y < SparkEdge; ++y) {
                int begin = SparkEdge;
                int end = 0;
                for (int x = 0; x < SparkEdge; ++x)
                    if (indices[static_cast<std::size_t>(y * SparkEdge + x)] > std::max(shift, 0)) {
                        begin = std::min(begin, x);
                        end = x + 1;
                    }
                const SparkShape::Run span = shape.brightSpan(y, shift);
                // The row's groups: side by side, within the spark, as few as
                // cover the span.
                const std::uint16_t* starts = shape.brightGroupStarts(shift);
                const int groups = starts[y + 1] - starts[y];
                EXPECT_EQ(groups, begin < end ? (end - begin + 7) / 8 : 0)
                    << spark << " " << shift << " " << y;
                if (groups > 0) {
                    const int first = shape.groupPixels()[starts[y]];
                    EXPECT_EQ(first / SparkEdge, y);
                    EXPECT_LE(first % SparkEdge, begin);
                    EXPECT_GE(first % SparkEdge + groups * 8, end);
                    EXPECT_LE(first % SparkEdge + groups * 8, SparkEdge);
                    for (int group = 1; group < groups; ++group)
                        EXPECT_EQ(shape.groupPixels()[starts[y] + group], first + group * 8);
                }
                if (begin < end) {
                    EXPECT_EQ(span.begin, begin) << spark << " " << shift << " " << y;
                    EXPECT_EQ(span.end, end) << spark << " " << shift << " " << y;
                    firstRow = std::min(firstRow, y);
                    endRow = y + 1;
                    pixels += end - begin;
                } else {
                    EXPECT_GE(span.begin, span.end) << spark << " " << shift << " " << y;
                }
            }
            const SparkShape::Run rows = shape.brightRows(shift);
            if (firstRow < endRow) {
                EXPECT_EQ(rows.begin, firstRow) << spark << " " << shift;
                EXPECT_EQ(rows.end, endRow) << spark << " " << shift;
            } else {
                EXPECT_GE(rows.begin, rows.end) << spark << " " << shift;
            }
            EXPECT_EQ(shape.brightPixels(shift), pixels) << spark << " " << shift;
        }
    }
}

} // namespace
} // namespace kirabellum
