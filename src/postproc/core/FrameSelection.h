#pragma once

#include "core/SharedSettings.h"

#include <vector>

namespace koratune {

// The frames that playback shows and output lays out: StartFrame,
// StartFrame + SkipStep, ... while below FrameCount.
class FrameSelection {
public:
    explicit FrameSelection(const SharedSettings& settings);

    // How many frames are used: ceil((FrameCount - StartFrame) / SkipStep), none
    // when StartFrame is not below FrameCount.
    int count() const;
    std::vector<int> frames() const;

private:
    int frameCount_;
    int startFrame_;
    int skipStep_;
};

} // namespace koratune
