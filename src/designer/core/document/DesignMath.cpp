#include "core/document/DesignMath.h"

#include <cmath>

namespace kirabellum {

float PointAngle(float cx, float cy, float px, float py) {
    double angle;
    if (px != cx) {
        const double slope = (static_cast<double>(cy) - py) / (static_cast<double>(cx) - px);
        angle = std::atan(slope) / static_cast<double>(DegToRad);
        if (px < cx)
            angle += 180.0;
    } else {
        angle = py > cy ? 90.0 : 270.0;
    }
    if (angle < 0.0)
        angle += 360.0;
    return static_cast<float>(angle);
}

} // namespace kirabellum
