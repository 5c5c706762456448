#pragma once

#include "core/FrameImageGrid.h"
#include "core/SharedSettings.h"

#include "common/FramePlayback.h"

#include <QImage>

namespace koratune {

// What one playback of the work image shows: which frames, in which order,
// taken from which cell and mirrored how (the preview zooms them). The settings are
// read when the playback starts; common::FramePlayback times the frames and
// the console shows them.
class Playback {
public:
    Playback(const SharedSettings& settings, int workImageWidth);

    const FrameImageGrid& grid() const { return grid_; }
    // The edge of the square picture frames are shown in.
    int edge() const { return settings_.FrameSize; }

    // The frames shown: StartFrame, StartFrame + SkipStep, ... below FrameCount.
    common::PlaybackFrames frames() const;

    // Frame `frame` of the work image as shown: edge() pixels square,
    // mirrored inside its square as set.
    QImage frameImage(const QImage& work, int frame) const;

private:
    SharedSettings settings_;
    FrameImageGrid grid_;
};

} // namespace koratune
