#include "core/FrameImageGrid.h"

#include <algorithm>

namespace koratune {

FrameImageGrid::FrameImageGrid(ImageWidth imageWidth, FrameSize frameSize)
    : common::FrameGrid(frameSize.pixels, imageWidth.pixels / frameSize.pixels) {}

void FrameImageGrid::drawFrame(const QImage& image, int frame, QImage& destination, QPoint at,
                               Mirroring mirroring) const {
    const int frameSize = this->frameSize();
    const QPoint origin = originOf(frame);
    const int edge = frameSize;
    const QRgb black = qRgb(0, 0, 0);
    for (int targetY = std::max(0, at.y()); targetY < std::min(destination.height(), at.y() + edge);
         ++targetY) {
        const int insideY = targetY - at.y();
        const int sourceY = origin.y() + (mirroring.vertical ? frameSize - 1 - insideY : insideY);
        const bool rowInImage = sourceY >= 0 && sourceY < image.height();
        const auto* source =
            rowInImage ? reinterpret_cast<const QRgb*>(image.constScanLine(sourceY)) : nullptr;
        auto* target = reinterpret_cast<QRgb*>(destination.scanLine(targetY));
        for (int targetX = std::max(0, at.x());
             targetX < std::min(destination.width(), at.x() + edge); ++targetX) {
            const int insideX = targetX - at.x();
            const int sourceX =
                origin.x() + (mirroring.horizontal ? frameSize - 1 - insideX : insideX);
            const bool inImage = rowInImage && sourceX >= 0 && sourceX < image.width();
            target[targetX] = inImage ? source[sourceX] : black;
        }
    }
}

} // namespace koratune
