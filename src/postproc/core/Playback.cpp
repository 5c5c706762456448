#include "core/Playback.h"

namespace koratune {

Playback::Playback(const SharedSettings& settings, int workImageWidth)
    : settings_(settings), grid_(ImageWidth(workImageWidth), FrameSize(settings.FrameSize)) {}

common::PlaybackFrames Playback::frames() const {
    return {settings_.FrameCount, settings_.StartFrame, settings_.SkipStep};
}

QImage Playback::frameImage(const QImage& work, int frame) const {
    QImage image(edge(), edge(), QImage::Format_RGB32);
    grid_.drawFrame(work, frame, image, QPoint(0, 0),
                    Mirroring{settings_.FlipHorizontal, settings_.FlipVertical});
    return image;
}

} // namespace koratune
