#pragma once

namespace kirabellum {

// The quick forms of PointAngle and of a gravity force's push, over a block of
// particles held one array per coordinate, for the fast engine's motion. Each
// result comes with whether its error bound shows it to be the float the
// reference motion computes (certain[i] not 0); the caller asks the C library
// for the others.

// angles[i] = PointAngle(centre, centre, x[i], y[i]) where certain.
void quickPointAngles(float centre, const float* x, const float* y, int count, float* angles,
                      int* certain);

// (movedX[i], movedY[i]) = (x[i], y[i]) moved by power / 4 in the direction
// thetas[i] degrees, or against it, where certain.
void quickPushes(const float* thetas, float power, bool against, const float* x, const float* y,
                 int count, float* movedX, float* movedY, int* certain);

} // namespace kirabellum
