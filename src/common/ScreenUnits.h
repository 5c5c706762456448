#pragma once

#include "common/Rounding.h"

namespace common {

// Window positions and sizes are given in twips; at the usual screen setting 15
// twips make one pixel. A position becomes whole pixels, halves to even.
constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return nearest(static_cast<double>(twips) / TwipsPerPixel);
}

} // namespace common
