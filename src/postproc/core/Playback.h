#pragma once

#include "core/FrameGrid.h"
#include "core/SharedSettings.h"

#include <QImage>
#include <QString>

#include <vector>

namespace koratune {

// The number of refresh-rate options and the milliseconds between frames of
// each: option 0 to 5, captioned "60fps" to "10fps".
constexpr int RefreshRateOptionCount = 6;
int PlayInterval(int option);

// What one playback of the work image shows: which frames, in which order,
// taken from which cell, drawn how large and mirrored how. The settings are
// read when the playback starts; the windows time the frames and show them.
class Playback {
public:
    Playback(const SharedSettings& settings, int workImageWidth, bool doubleSize);

    const FrameGrid& grid() const { return grid_; }
    // 1, or 2 at double size.
    int scale() const { return scale_; }
    // The edge of the square picture frames are shown in.
    int edge() const { return settings_.FrameSize * scale_; }

    // The frames shown, in order.
    std::vector<int> frames() const;
    // The preview window's caption while `frame` is shown, e.g. "4/10".
    QString caption(int frame) const;
    // The preview window's caption outside playback.
    static QString idleCaption() { return QStringLiteral("Preview"); }

    // Frame `frame` of the work image as shown: edge() pixels square, each
    // pixel doubled at double size, mirrored inside its square as set.
    QImage frameImage(const QImage& work, int frame) const;

private:
    SharedSettings settings_;
    FrameGrid grid_;
    int scale_;
};

} // namespace koratune
