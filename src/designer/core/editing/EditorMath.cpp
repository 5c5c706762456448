#include "core/editing/EditorMath.h"

#include "common/Rounding.h"
#include "core/document/DesignMath.h"

#include <cmath>
#include <limits>

namespace kirabellum {

std::int16_t roundToInt16(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = common::roundHalfEven(value);
    if (rounded <= std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    if (rounded >= std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(rounded);
}

double pressDistance(int cx, int cy, float x, float y) {
    // The differences are stored as single-precision values; the squares and
    // their sum are taken in double precision.
    const float dx = static_cast<float>(cx) - x;
    const float dy = static_cast<float>(cy) - y;
    return std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
}

int nearestDirection(int cx, int cy, float x, float y) {
    const float angle = PointAngle(static_cast<float>(cx), static_cast<float>(cy), x, y);
    const float shifted = angle + 5.0f;
    const int rounded = static_cast<int>(common::roundHalfEven(static_cast<double>(shifted)));
    return rounded % 360 / 10;
}

} // namespace kirabellum
