#pragma once

#include <cmath>

namespace common {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), in double.
// Every fractional value becomes an integer this way unless the arithmetic says
// floor. NaN and infinities pass through unchanged; callers range-check before
// converting.
inline double roundHalfEven(double value) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; std::remainder gives the same without that
    // dependency: value - remainder(value, 1) is the nearest integer, ties to even.
    if (!std::isfinite(value))
        return value;
    return value - std::remainder(value, 1.0);
}

// The same as an int, for values known to lie inside its range.
inline int nearest(double value) {
    return static_cast<int>(roundHalfEven(value));
}

// The greatest integer not above v.
inline int floorToInt(double value) {
    return static_cast<int>(std::floor(value));
}

// The least integer not below v, taken as -floor(-v).
inline int ceilToInt(double value) {
    return -floorToInt(-value);
}

} // namespace common
