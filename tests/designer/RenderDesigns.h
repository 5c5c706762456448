#pragma once

#include "core/document/DesignDocument.h"

#include <cstdint>

namespace kirabellum {

// Designs made for render tests: small frames, few particles.

// A design of `frameSize` pixels with a ramp of `rampLength` distinct colours,
// black first, and nothing used.
DesignDocument emptyDesign(int frameSize, int rampLength);

// Fills layer `layer`'s spark image with ramp colours: a disc of `radius` around
// the centre, brightest in the middle, transparent (black) outside it.
void discSpark(DesignDocument& design, int layer, double radius);

// A loop design that cannot settle within the render's settling limit: still
// particles, some of which fade so slowly that they outlive it.
DesignDocument restlessDesign();

// A design drawn from `seed`: every setting within the editors' ranges, spark
// images with holes and scattered pixels, small frames and few particles.
DesignDocument randomRenderDesign(std::uint32_t seed);

// randomRenderDesign(seed) with layer effects drawn on top: child bursts on
// death or at an age (split or not, chains included, never a cycle), ramps of
// the layers' own with their sparks painted in them, and trails.
DesignDocument randomEffectsDesign(std::uint32_t seed);

} // namespace kirabellum
