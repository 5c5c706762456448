#include "core/render/RampIndices.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

void drawRampIndices(const ParticleEngine& engine, QImage& target, QPoint origin) {
    const RenderPreparation& preparation = engine.preparation();
    const int frameSize = preparation.frameSize();
    const int channels = std::min(preparation.canvasCount(), RampIndexChannels);
    const std::ptrdiff_t area = static_cast<std::ptrdiff_t>(frameSize) * frameSize;
    const float* const canvas = engine.canvas().data();
    for (int y = 0; y < frameSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(origin.y() + y)) + origin.x();
        for (int x = 0; x < frameSize; ++x) {
            const std::ptrdiff_t pixel = static_cast<std::ptrdiff_t>(y) * frameSize + x;
            // Every canvas stays within 0 and its ramp's last index (at most 255).
            int index[RampIndexChannels] = {0, 0, 0};
            for (int channel = 0; channel < channels; ++channel)
                index[channel] = static_cast<int>(std::floor(canvas[channel * area + pixel]));
            line[x] = qRgb(index[0], index[1], index[2]);
        }
    }
}

} // namespace kirabellum
