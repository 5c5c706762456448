#pragma once

#include "core/FrameImageGrid.h"
#include "core/SharedSettings.h"

#include "common/FramePlayback.h"

#include <QImage>

namespace koratune {

// What one playback of the work image shows: which frames, in which order,
// taken from which cell, drawn how large and mirrored how. The settings are
// read when the playback starts; common::FramePlayback times the frames and
// the console shows them.
class Playback {
public:
    Playback(const SharedSettings& settings, int workImageWidth, bool doubleSize);

    const FrameImageGrid& grid() const { return grid_; }
    // 1, or 2 at double size.
    int scale() const { return scale_; }
    // The edge of the square picture frames are shown in.
    int edge() const { return settings_.FrameSize * scale_; }

    // The frames shown: StartFrame, StartFrame + SkipStep, ... below FrameCount.
    common::PlaybackFrames frames() const;

    // Frame `frame` of the work image as shown: edge() pixels square, each
    // pixel doubled at double size, mirrored inside its square as set.
    QImage frameImage(const QImage& work, int frame) const;

private:
    SharedSettings settings_;
    FrameImageGrid grid_;
    int scale_;
};

} // namespace koratune
