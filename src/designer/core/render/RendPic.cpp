#include "core/render/RendPic.h"

#include <algorithm>

namespace kirabellum {

namespace {
constexpr int PictureMaximumEdge = 32767;
}

void RendPic::setPicture(const QImage& strip, QRgb background) {
    Picture1 = strip;
    background_ = background;
}

void RendPic::clearToBlankRow(int frameCount, int frameSize) {
    const int size = std::clamp(frameSize, 1, PictureMaximumEdge);
    const int count = std::clamp(frameCount, 1, PictureMaximumEdge);
    const int columns = std::min(count, PictureMaximumEdge / size);
    const int rows = std::min((count + columns - 1) / columns, PictureMaximumEdge / size);
    Picture1 = QImage(size * columns, size * rows, QImage::Format_RGB32);
    Picture1.fill(background_);
}

} // namespace kirabellum
