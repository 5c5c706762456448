#include "core/render/QuickForces.h"

#include "core/document/DesignMath.h"
#include "core/render/FloatRounding.h"
#include "core/render/QuickTrigonometry.h"
#include "core/render/WiderClones.h"

#include <cmath>

// The loops below have no branches and no calls; built with the cost model
// that lets the compiler vectorise them (see CMakeLists.txt), they work on two
// particles per instruction, on four where the processor has AVX2 and on eight
// where it has AVX-512 (WiderClones.h).

namespace kirabellum {

namespace {

// Bound on the error of an angle in degrees below 720: the arc tangent's error
// times 1 / DegToRad plus the roundings of the slope's division (left out
// here), of the conversion to degrees (a product here, a quotient in
// PointAngle) and of the two additions, with room to spare.
constexpr double AngleError = 1e-12;
constexpr double RadiansToDegrees = 1.0 / static_cast<double>(DegToRad);
static_assert(QuickArcTangentError <= 2e-15 && QuickSineCosineError <= 1e-15,
              "the bounds of the quick blocks rest on these errors");

} // namespace

KIRABELLUM_WIDER_CLONES void quickPointAngles(float centre, const float* __restrict x,
                                              const float* __restrict y, int count,
                                              float* __restrict angles, int* __restrict certain) {
    for (int index = 0; index < count; ++index) {
        double angle = 0.0;
        const bool quick = quickArcTangent(static_cast<double>(centre) - y[index],
                                           static_cast<double>(centre) - x[index], angle);
        angle = angle * RadiansToDegrees + (x[index] < centre ? 180.0 : 0.0);
        // Which side of 0 the angle lies on must be certain too; an addition of
        // +0 changes only a -0, which this refuses.
        const bool sideKnown = std::fabs(angle) > AngleError;
        angle += angle < 0.0 ? 360.0 : 0.0;
        float rounded = 0.0f;
        const bool rounds = roundToFloatWithin(angle, AngleError, rounded);
        angles[index] = rounded;
        certain[index] = quick & (x[index] != centre) & sideKnown & rounds;
    }
}

KIRABELLUM_WIDER_CLONES void quickPushes(const float* __restrict thetas, float power, bool against,
                                         const float* __restrict x, const float* __restrict y,
                                         int count, float* __restrict movedX,
                                         float* __restrict movedY, int* __restrict certain) {
    const double sign = against ? -1.0 : 1.0;
    for (int index = 0; index < count; ++index) {
        double sine = 0.0;
        double cosine = 0.0;
        const bool quick = quickSineCosine(degreesToRadians(thetas[index]), sine, cosine);
        // The trigonometric error times power / 4, plus a few roundings of the
        // position and the step.
        const double error = 4e-15 * (std::fabs(static_cast<double>(power)) +
                                      std::fabs(static_cast<double>(x[index])) +
                                      std::fabs(static_cast<double>(y[index])));
        const bool roundsX =
            roundToFloatWithin(x[index] + sign * (cosine * power / 4.0), error, movedX[index]);
        const bool roundsY =
            roundToFloatWithin(y[index] + sign * (sine * power / 4.0), error, movedY[index]);
        certain[index] = quick & roundsX & roundsY;
    }
}

} // namespace kirabellum
