#pragma once

#include <cstdint>
#include <cstring>

namespace kirabellum {

// A float's bits, for comparing results bit for bit (+0 and -0 apart, NaNs by
// their payload).
inline std::uint32_t floatBits(float value) {
    std::uint32_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

} // namespace kirabellum
