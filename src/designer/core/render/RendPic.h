#pragma once

#include <QImage>

namespace kirabellum {

// The hidden picture that holds the frame strip between a render and the next
// render, New or Open. The preview player plays it and saves it.
class RendPic {
public:
    // The strip; a null image until the first render, New or Open.
    const QImage& picture() const { return Picture1; }
    QRgb backgroundColour() const { return background_; }

    // Takes over a rendered (or, after a failed preparation, cleared) strip.
    void setPicture(const QImage& strip, QRgb background);
    // A blank strip of one row of `frameCount` cells of `frameSize` pixels, in
    // the background colour. A row too wide for a picture (over 32767 pixels)
    // wraps into as many rows as it needs; sizes are held to 1 to 32767.
    void clearToBlankRow(int frameCount, int frameSize);

private:
    QImage Picture1;
    QRgb background_ = qRgb(0, 0, 0);
};

} // namespace kirabellum
