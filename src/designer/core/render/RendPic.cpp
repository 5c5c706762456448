#include "core/render/RendPic.h"

#include "common/ImageFile.h"

#include <algorithm>

namespace kirabellum {

void RendPic::setPicture(const QImage& strip, const StripLayout& layout, QRgb background) {
    Picture1 = strip;
    layout_ = layout;
    background_ = background;
}

void RendPic::clearToBlankRow(int frameCount, int frameSize) {
    StripLayout blank;
    blank.FrameSize = std::clamp(frameSize, 1, common::MaximumImageEdge);
    const int count = std::clamp(frameCount, 1, common::MaximumImageEdge);
    blank.Columns = std::min(count, common::MaximumImageEdge / blank.FrameSize);
    blank.Rows = std::min((count + blank.Columns - 1) / blank.Columns,
                          common::MaximumImageEdge / blank.FrameSize);
    blank.FrameCount = std::min(count, blank.Columns * blank.Rows);
    layout_ = blank;
    Picture1 = QImage(blank.width(), blank.height(), QImage::Format_RGB32);
    Picture1.fill(background_);
}

} // namespace kirabellum
