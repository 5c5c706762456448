#pragma once

#include "core/render/RenderPreparation.h"

#include <cmath>
#include <cstdint>

namespace kirabellum {

// Where spark pixel 0 of one axis lands: round(position - 16). When the position
// is not halfway between two whole numbers, spark pixel d lands on origin + d:
// every canvas pixel takes at most one spark pixel. Halfway, rounding to even
// maps two neighbouring spark pixels onto one canvas pixel and skips the next,
// and the stamp follows the rounding pixel by pixel. Positions that are not
// finite or lie over 2^30 pixels away never touch the frame.
struct AxisPlacement {
    bool placed = false;
    bool halfway = false;
    int origin = 0;
};

inline AxisPlacement placeAxis(float position) {
    AxisPlacement placement;
    if (!(std::fabs(position) < 0x1.0p30f))
        return placement;
    // Spark pixel 0, computed as for every spark pixel. Below 2^30 every float
    // sum with a spark offset is exact or so close to a whole number that its
    // rounding cannot change.
    const double offset = 0 + static_cast<double>(position) - SparkCentre;
    // Rounded half to even without a branch on the fraction, which the
    // processor could not foresee from one particle to the next.
    const double truncated = static_cast<double>(static_cast<std::int64_t>(offset));
    const double whole = truncated - (truncated > offset ? 1.0 : 0.0);
    const double fraction = offset - whole;
    const auto floorValue = static_cast<int>(whole);
    placement.placed = true;
    placement.halfway = fraction == 0.5;
    placement.origin = floorValue + static_cast<int>(fraction > 0.5) +
                       static_cast<int>(placement.halfway && (floorValue & 1) != 0);
    return placement;
}

// For ramp indices v = 0 to 255 the intensity is round(v - ageFade). When every
// such difference is computed exactly and ageFade is not halfway between two
// whole numbers, that is v - shift with shift = ageFade rounded to the nearest
// whole number. Returns false when that cannot be relied on.
inline bool wholeShift(double ageFade, std::int64_t& shift) {
    // ageFade a multiple of 2^-exponent below 2^limit leaves v - ageFade within
    // 53 significant bits.
    const struct {
        int exponent;
        double scale; // 2^exponent
        double limit;
    } grids[] = {{40, 0x1.0p40, 0x1.0p12}, {26, 0x1.0p26, 0x1.0p26}};
    for (const auto& grid : grids) {
        if (!(std::fabs(ageFade) < grid.limit))
            continue;
        // Exact, as ldexp would be: ageFade times a power of two below 2^53.
        const double scaled = ageFade * grid.scale;
        const auto units = static_cast<std::int64_t>(scaled);
        if (static_cast<double>(units) != scaled)
            continue;
        const std::int64_t unit = std::int64_t{1} << grid.exponent;
        std::int64_t whole = units / unit;
        std::int64_t remainder = units % unit;
        if (remainder < 0) {
            remainder += unit;
            whole -= 1;
        }
        if (remainder == unit / 2)
            return false;
        shift = whole + (remainder > unit / 2 ? 1 : 0);
        return true;
    }
    return false;
}

} // namespace kirabellum
