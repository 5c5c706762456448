#pragma once

#include <QImage>

namespace koratune {

// A frame image of `columns` x `rows` square frames whose every pixel tells
// where it comes from: red = x and green = y inside the frame, blue = frame
// number + 1. Frame sizes up to 256 keep the levels in range.
QImage numberedFrames(int frameSize, int columns, int rows);

// The pixel that numberedFrames() puts at (x, y) of frame `frame`.
QRgb numberedPixel(int frame, int x, int y);

// Ten frames of 24 pixels in 4 columns on black, each drawing numbered
// pixels in a block of its own size and place, so that a crop or a trim cuts
// them.
QImage spotFrames();

QImage filledImage(int width, int height, QRgb colour);

// True when every pixel of `block` equals `colour`.
bool blockIs(const QImage& image, QRect block, QRgb colour);

} // namespace koratune
