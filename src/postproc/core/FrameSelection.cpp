#include "core/FrameSelection.h"

#include "common/Rounding.h"

#include <algorithm>

namespace koratune {

FrameSelection::FrameSelection(const SharedSettings& settings)
    : frameCount_(settings.FrameCount), startFrame_(std::max(0, settings.StartFrame)),
      skipStep_(std::max(1, settings.SkipStep)) {}

int FrameSelection::count() const {
    return std::max(0,
                    common::ceilToInt(static_cast<double>(frameCount_ - startFrame_) / skipStep_));
}

std::vector<int> FrameSelection::frames() const {
    std::vector<int> frames;
    for (int frame = startFrame_; frame < frameCount_; frame += skipStep_)
        frames.push_back(frame);
    return frames;
}

} // namespace koratune
