#pragma once

#include "core/document/DesignDocument.h"

#include <cstdint>

namespace kirabellum {

// A random design (see RandomDesign.h) whose layers use every layer effect: a
// trigger of each kind, a chain of them, a trail and a ramp of its own.
DesignDocument designWithEffects(std::uint32_t seed);

} // namespace kirabellum
