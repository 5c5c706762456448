#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "core/document/FloatBits.h"
#include "core/render/QuickTrigonometry.h"

namespace kirabellum {

// Rounds `value` to float into `result` and tells whether every number within
// `errorBound` of it rounds to that same float, so that an approximation of a
// result gives exactly the float the result itself gives. False when it cannot
// tell: too near the middle between two floats, or a float that is zero,
// subnormal, the largest or not finite. Without branches, so that loops over
// many values can work on several at once.
KIRABELLUM_LOOP_INLINE bool roundToFloatWithin(double value, double errorBound, float& result) {
    const float rounded = static_cast<float>(value);
    const float size = std::fabs(rounded);
    const std::uint32_t bits = floatBits(rounded);
    const float below = floatFromBits(bits - 1);
    const float above = floatFromBits(bits + 1);
    // Two neighbouring floats and half their sum are exact in double.
    const double lowMiddle = (static_cast<double>(rounded) + below) / 2.0;
    const double highMiddle = (static_cast<double>(rounded) + above) / 2.0;
    result = rounded;
    return (size >= FLT_MIN) & (size < FLT_MAX) & (std::fabs(value - lowMiddle) > errorBound) &
           (std::fabs(value - highMiddle) > errorBound);
}

} // namespace kirabellum
