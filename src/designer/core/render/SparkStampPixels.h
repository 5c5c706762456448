#pragma once

#include "common/Rounding.h"
#include "core/render/RenderPreparation.h"

#include <cstddef>

namespace kirabellum {

// The pixels one stamp of a spark covers, as the reference engine defines them.
// For every non-transparent pixel of the spark, in row order, calls
// visit(inside, pixel, intensity): whether the pixel lands inside the frame,
// its index y × frameSize + x there (meaningful only inside), and its
// intensity, the ramp index minus the particle's age fade, rounded half to
// even. The stamp's top-left pixel lands at (x, y) − SparkCentre, each position
// rounded half to even; NaN positions land outside. Returns the spark's
// non-transparent pixels.
template <typename Visit>
int visitStampPixels(const RenderPreparation::SparkIndices& indexMap, double x, double y,
                     double ageFade, int frameSize, Visit&& visit) {
    int opaquePixels = 0;
    for (int dy = 0; dy < SparkEdge; ++dy) {
        for (int dx = 0; dx < SparkEdge; ++dx) {
            const int value = indexMap[static_cast<std::size_t>(dy * SparkEdge + dx)];
            if (value == 0)
                continue;
            ++opaquePixels;
            const double px = common::roundHalfEven(dx + x - SparkCentre);
            const double py = common::roundHalfEven(y + dy - SparkCentre);
            const double intensity = common::roundHalfEven(value - ageFade);
            // Written so that NaN positions count as outside the frame.
            const bool inside = px >= 0 && px < frameSize && py >= 0 && py < frameSize;
            const std::size_t pixel =
                inside ? static_cast<std::size_t>(py) * static_cast<std::size_t>(frameSize) +
                             static_cast<std::size_t>(px)
                       : 0;
            visit(inside, pixel, intensity);
        }
    }
    return opaquePixels;
}

} // namespace kirabellum
