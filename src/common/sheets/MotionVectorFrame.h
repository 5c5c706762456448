#pragma once

#include <vector>

namespace common {

// The motion of one frame's pixels to the next kept frame of a flipbook, in
// pixels with y down: pixel (x, y) of a size × size frame moves by
// (dx[y * size + x], dy[y * size + x]). Pixels without motion hold 0.
struct MotionVectorFrame {
    int size = 0;
    std::vector<float> dx;
    std::vector<float> dy;
};

} // namespace common
