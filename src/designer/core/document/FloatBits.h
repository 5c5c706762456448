#pragma once

#include <cstdint>
#include <cstring>

namespace kirabellum {

// Floats read and written bit for bit: design files keep a float's four bytes,
// and "the same" design, particle or canvas value means the same bits (+0 and
// -0 apart, a NaN equal to itself by its payload).

inline std::uint32_t floatBits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float floatFromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline bool sameBits(float a, float b) {
    return floatBits(a) == floatBits(b);
}

} // namespace kirabellum
