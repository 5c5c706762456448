#pragma once

#include "core/document/DesignDocument.h"

namespace kirabellum {

// The design the render benchmarks measure: all eight layers at 2048 particles,
// bursting again every few frames so that tens of thousands of particles stay
// alive, on 256-pixel frames, 32 of them, with all three gravity forces.
DesignDocument heavyDesign();

// The heavy design's frames and forces with the layer effects at work: four
// shells of stars, each star splitting into pieces or bursting where it dies,
// those children bursting again where they die, stars and pieces drawing
// trails, and one layer coloured through a ramp of its own; as many particles
// stay alive as in heavyDesign().
DesignDocument heavyEffectsDesign();

} // namespace kirabellum
