#include "common/FlipbookTiming.h"

#include <algorithm>

namespace common {

FlipbookTiming::FlipbookTiming(int frameCount, int frameStep, int slowDown, bool loop)
    : frameCount_(std::max(0, frameCount)), step_(std::max(1, frameStep)),
      slowDown_(std::max(1, slowDown)), loop_(loop) {}

int FlipbookTiming::keptFrameCount() const {
    return (frameCount_ + step_ - 1) / step_;
}

int FlipbookTiming::tickCount() const {
    const int kept = keptFrameCount();
    if (kept == 0)
        return 0;
    return loop_ ? kept * ticksPerKeptFrame() : (kept - 1) * ticksPerKeptFrame() + 1;
}

FlipbookTick FlipbookTiming::tick(int tick) const {
    const int kept = keptFrameCount();
    const int from = tick / ticksPerKeptFrame();
    const int to = loop_ ? (from + 1) % kept : std::min(from + 1, kept - 1);
    return {from, to, static_cast<double>(tick % ticksPerKeptFrame()) / ticksPerKeptFrame()};
}

} // namespace common
