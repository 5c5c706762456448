#pragma once

#include "core/render/StripLayout.h"

#include <QImage>

namespace kirabellum {

// The hidden picture that holds the frame strip between a render and the next
// render, New or Open, with the layout of its cells. The preview player plays
// it by that layout, whatever the render settings say now, and saves it.
class RendPic {
public:
    // The strip; a null image until the first render, New or Open.
    const QImage& picture() const { return Picture1; }
    // The frame size, frame count and grid the strip was made with; all 0 while
    // there is no strip.
    const StripLayout& layout() const { return layout_; }
    QRgb backgroundColour() const { return background_; }

    // Takes over a rendered (or, after a failed preparation, cleared) strip and
    // the layout it was rendered with.
    void setPicture(const QImage& strip, const StripLayout& layout, QRgb background);
    // A blank strip of one row of `frameCount` cells of `frameSize` pixels, in
    // the background colour. A row too wide for a picture (over 32767 pixels)
    // wraps into as many rows as it needs; sizes are held to 1 to 32767, and the
    // frame count to the cells that fit.
    void clearToBlankRow(int frameCount, int frameSize);

private:
    QImage Picture1;
    StripLayout layout_;
    QRgb background_ = qRgb(0, 0, 0);
};

} // namespace kirabellum
