#include "core/render/SparkShape.h"

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
}

} // namespace kirabellum
