#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace kirabellum {

// Rounds `value` to float when every number within `errorBound` of it rounds to
// that same float, so that an approximation of a result gives exactly the float
// the result itself gives. False when it cannot tell: too near the middle
// between two floats, or a float that is zero, subnormal, the largest or not
// finite.
inline bool roundToFloatWithin(double value, double errorBound, float& result) {
    const float rounded = static_cast<float>(value);
    const float size = std::fabs(rounded);
    if (!(size >= FLT_MIN && size < FLT_MAX))
        return false;
    std::uint32_t bits = 0;
    std::memcpy(&bits, &rounded, sizeof bits);
    const std::uint32_t neighbourBits[] = {bits - 1, bits + 1};
    for (const std::uint32_t neighbourBit : neighbourBits) {
        float neighbour = 0.0f;
        std::memcpy(&neighbour, &neighbourBit, sizeof neighbour);
        // Two neighbouring floats and half their sum are exact in double.
        const double middle = (static_cast<double>(rounded) + neighbour) / 2.0;
        if (!(std::fabs(value - middle) > errorBound))
            return false;
    }
    result = rounded;
    return true;
}

} // namespace kirabellum
