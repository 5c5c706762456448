#pragma once

#include <cmath>

namespace koratune {

// The integer nearest to v, exact halves going to the even neighbour
// (nearest(2.5) = 2, nearest(3.5) = 4). Every fractional value becomes an
// integer this way unless the arithmetic says floor.
inline int nearest(double v) {
    const double below = std::floor(v);
    const double fraction = v - below;
    double result = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        result = below + 1.0;
    return static_cast<int>(result);
}

// The greatest integer not above v.
inline int floorToInt(double v) {
    return static_cast<int>(std::floor(v));
}

// The least integer not below v, taken as -floor(-v).
inline int ceilToInt(double v) {
    return -floorToInt(-v);
}

} // namespace koratune
