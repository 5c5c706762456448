#include "common/animation/Animation.h"

#include "common/Rounding.h"

namespace common {

int frameStart(int frame, double framesPerSecond, int units) {
    return nearest(frame * static_cast<double>(units) / framesPerSecond);
}

} // namespace common
