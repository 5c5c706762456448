#include "core/render/RendPic.h"

#include <algorithm>

namespace kirabellum {

namespace {
constexpr int PictureMaximumEdge = 32767;
}

void RendPic::setPicture(const QImage& strip, const StripLayout& layout, QRgb background) {
    Picture1 = strip;
    layout_ = layout;
    background_ = background;
}

void RendPic::clearToBlankRow(int frameCount, int frameSize) {
    StripLayout blank;
    blank.FrameSize = std::clamp(frameSize, 1, PictureMaximumEdge);
    const int count = std::clamp(frameCount, 1, PictureMaximumEdge);
    blank.Columns = std::min(count, PictureMaximumEdge / blank.FrameSize);
    blank.Rows =
        std::min((count + blank.Columns - 1) / blank.Columns, PictureMaximumEdge / blank.FrameSize);
    blank.FrameCount = std::min(count, blank.Columns * blank.Rows);
    layout_ = blank;
    Picture1 = QImage(blank.width(), blank.height(), QImage::Format_RGB32);
    Picture1.fill(background_);
}

} // namespace kirabellum
