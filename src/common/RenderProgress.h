#pragma once

#include <functional>

namespace common {

// What a render reports after each frame it draws: the frames drawn and the
// frames it draws in all. It stops when this returns false.
using RenderProgress = std::function<bool(int framesDone, int frameTotal)>;

} // namespace common
