#pragma once

#include <cstdint>

namespace kirabellum {

// The one degree/radian factor of the designer: the 32-bit float nearest
// 3.1415 / 180 (bit pattern 3C8EF921), slightly below pi / 180. Every angle
// conversion uses it, so directions come out a little larger than exact degrees.
constexpr float DegToRad = 0.017452778f;

// An angle in degrees in radians, through DegToRad, computed in double.
constexpr double degreesToRadians(float degrees) {
    return static_cast<double>(degrees) * static_cast<double>(DegToRad);
}

// The direction in degrees, 0 to 360, from (cx, cy) to (px, py), clockwise on
// screen from the +x axis. On the vertical through the centre it is 90 below the
// centre and 270 above it or at it.
float PointAngle(float cx, float cy, float px, float py);

} // namespace kirabellum
