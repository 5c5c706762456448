#pragma once

#include "core/document/DesignDocument.h"

namespace kirabellum {

// The design the render benchmarks measure: all eight layers at 2048 particles,
// bursting again every few frames so that tens of thousands of particles stay
// alive, on 256-pixel frames, 32 of them, with all three gravity forces.
DesignDocument heavyDesign();

} // namespace kirabellum
