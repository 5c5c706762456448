#pragma once

#include <cstdint>

namespace kirabellum {

// The arithmetic of the mouse editing on the burst and gravity canvases.

// Nearest integer, halves to even, as a 16-bit value: values beyond the 16-bit
// range give its nearest end, and NaN gives 0.
std::int16_t roundToInt16(double value);

// The distance from the layer's centre (cx, cy) to the press (x, y): the
// differences are stored in single precision, the rest is double precision.
double pressDistance(int cx, int cy, float x, float y);

// The burst direction 0 to 35 nearest to the press (x, y) seen from (cx, cy):
// the angle plus 5 degrees, rounded half to even, modulo 360, in tens.
int nearestDirection(int cx, int cy, float x, float y);

} // namespace kirabellum
