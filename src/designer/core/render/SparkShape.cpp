#include "core/render/SparkShape.h"

#include "core/render/StampKernels.h"

#include <algorithm>

namespace kirabellum {

void SparkShape::build(const std::array<std::uint8_t, SparkEdge * SparkEdge>& indices) {
    indices_ = indices;
    opaquePixels_ = 0;
    brightest_ = 0;
    firstRow_ = SparkEdge;
    endRow_ = 0;
    std::size_t runCount = 0;
    for (int y = 0; y < SparkEdge; ++y) {
        rowRuns_[static_cast<std::size_t>(y)] = static_cast<std::uint16_t>(runCount);
        const std::uint8_t* values = row(y);
        int x = 0;
        while (x < SparkEdge) {
            if (values[x] == 0) {
                ++x;
                continue;
            }
            const int begin = x;
            while (x < SparkEdge && values[x] != 0) {
                brightest_ = std::max<int>(brightest_, values[x]);
                ++x;
            }
            runs_[runCount++] = {static_cast<std::uint8_t>(begin), static_cast<std::uint8_t>(x)};
            opaquePixels_ += x - begin;
            firstRow_ = std::min(firstRow_, y);
            endRow_ = y + 1;
        }
    }
    rowRuns_[SparkEdge] = static_cast<std::uint16_t>(runCount);
    for (int y = 0; y < SparkEdge; ++y) {
        const Run* first = runsBegin(y);
        const Run* last = runsEnd(y);
        rowSpans_[static_cast<std::size_t>(y)] =
            first == last ? Run{0, 0} : Run{first->begin, (last - 1)->end};
    }
    for (std::size_t pixel = 0; pixel < indices_.size(); ++pixel)
        widened_[pixel] = indices_[pixel] == 0 ? TransparentValue : indices_[pixel];
    if (opaquePixels_ == 0)
        firstRow_ = 0;
    buildBrightSpans();
    buildBrightGroups();
}

void SparkShape::buildBrightGroups() {
    constexpr int Lists = MaximumIndex + 2;
    groupPixels_.clear();
    groupStarts_.assign(static_cast<std::size_t>(Lists) * (SparkEdge + 1), 0);
    // At most SparkEdge / PixelGroup groups a row: every index fits 16 bits.
    for (int list = 0; list < Lists; ++list) {
        std::uint16_t* starts =
            groupStarts_.data() + static_cast<std::size_t>(list) * (SparkEdge + 1);
        const int shift = list - 1;
        for (int y = 0; y < SparkEdge; ++y) {
            starts[y] = static_cast<std::uint16_t>(groupPixels_.size());
            const Run span = brightSpan(y, shift);
            GroupedSpan grouped{};
            if (span.begin >= span.end || !groupSpan(span.begin, span.end, 0, SparkEdge, grouped))
                continue;
            for (int group = 0; group < grouped.groups; ++group)
                groupPixels_.push_back(
                    static_cast<std::uint16_t>(y * SparkEdge + grouped.begin + group * PixelGroup));
        }
        starts[SparkEdge] = static_cast<std::uint16_t>(groupPixels_.size());
    }
}

void SparkShape::buildBrightSpans() {
    std::array<int, MaximumIndex> firstBright{};
    std::array<int, MaximumIndex> lastBright{};
    firstBright.fill(SparkEdge);
    lastBright.fill(-1);
    brightPixels_.fill(0);
    rowSpanPixels_ = 0;
    for (int y = 0; y < SparkEdge; ++y) {
        const std::uint8_t* values = row(y);
        // The brightest index from the row's start to x, and from x to its end:
        // a pixel at or past column x is above `shift` exactly when the latter is.
        std::array<int, SparkEdge + 1> fromStart{};
        std::array<int, SparkEdge + 1> toEnd{};
        for (int x = 0; x < SparkEdge; ++x)
            fromStart[static_cast<std::size_t>(x) + 1] =
                std::max<int>(fromStart[static_cast<std::size_t>(x)], values[x]);
        for (int x = SparkEdge - 1; x >= 0; --x)
            toEnd[static_cast<std::size_t>(x)] =
                std::max<int>(toEnd[static_cast<std::size_t>(x) + 1], values[x]);
        rowSpanPixels_ += rowSpan(y).end - rowSpan(y).begin;
        int begin = 0;
        int end = SparkEdge;
        for (int shift = 0; shift < MaximumIndex; ++shift) {
            while (begin < SparkEdge && fromStart[static_cast<std::size_t>(begin) + 1] <= shift)
                ++begin;
            while (end > 0 && toEnd[static_cast<std::size_t>(end) - 1] <= shift)
                --end;
            Run& span = brightSpans_[static_cast<std::size_t>(y) * MaximumIndex +
                                     static_cast<std::size_t>(shift)];
            span = begin < end
                       ? Run{static_cast<std::uint8_t>(begin), static_cast<std::uint8_t>(end)}
                       : Run{0, 0};
            if (begin < end) {
                brightPixels_[static_cast<std::size_t>(shift)] = static_cast<std::uint16_t>(
                    brightPixels_[static_cast<std::size_t>(shift)] + end - begin);
                firstBright[static_cast<std::size_t>(shift)] =
                    std::min(firstBright[static_cast<std::size_t>(shift)], y);
                lastBright[static_cast<std::size_t>(shift)] = y;
            }
        }
    }
    for (int shift = 0; shift < MaximumIndex; ++shift) {
        const int first = firstBright[static_cast<std::size_t>(shift)];
        const int last = lastBright[static_cast<std::size_t>(shift)];
        brightRows_[static_cast<std::size_t>(shift)] =
            first <= last
                ? Run{static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(last + 1)}
                : Run{0, 0};
    }
}

} // namespace kirabellum
