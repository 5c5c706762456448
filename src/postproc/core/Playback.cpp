#include "core/Playback.h"

#include "core/FrameSelection.h"
#include "common/Rounding.h"

namespace koratune {

int PlayInterval(int option) {
    // Even options halve 60 frames per second step by step, odd ones 40; so
    // "15fps" runs at 20 and "10fps" at about 13.3.
    if (option % 2 == 0)
        return common::nearest(1000.0 / (60.0 / (option / 2.0 + 1.0)));
    return common::nearest(1000.0 / (40.0 / ((option - 1) / 2.0 + 1.0)));
}

Playback::Playback(const SharedSettings& settings, int workImageWidth, bool doubleSize)
    : settings_(settings), grid_(workImageWidth, settings.FrameSize), scale_(doubleSize ? 2 : 1) {}

std::vector<int> Playback::frames() const {
    return FrameSelection(settings_).frames();
}

QString Playback::caption(int frame) const {
    return QStringLiteral("%1/%2").arg(frame + 1).arg(settings_.FrameCount);
}

QImage Playback::frameImage(const QImage& work, int frame) const {
    QImage image(edge(), edge(), QImage::Format_RGB32);
    grid_.drawFrame(work, frame, image, QPoint(0, 0),
                    Mirroring{settings_.FlipHorizontal, settings_.FlipVertical}, scale_);
    return image;
}

} // namespace koratune
