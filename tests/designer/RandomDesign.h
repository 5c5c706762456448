#pragma once

#include "core/document/DesignDocument.h"

#include <cstdint>

namespace kirabellum {

// A design with every field filled from a seeded generator, with values over the
// whole width of each field (not only the editors' ranges), for round trips.
DesignDocument randomDesign(std::uint32_t seed);

} // namespace kirabellum
