#pragma once

#include "core/render/ParticleEngine.h"

#include <QImage>
#include <QPoint>

namespace kirabellum {

// The canvases a pixel of ramp indices holds: the design's and the first two
// of the layers' own ramps, in red, green and blue.
constexpr int RampIndexChannels = 3;

// The ramp indices of the engine's current frame, written into `target`
// (Format_RGB32, large enough) with the frame's top-left pixel at `origin`:
// red the index of the design's canvas at the pixel (the whole part of its
// value, the palette entry drawFrame colours it with), green and blue those of
// canvases 1 and 2, 0 for a canvas the design does not have.
void drawRampIndices(const ParticleEngine& engine, QImage& target, QPoint origin);

} // namespace kirabellum
