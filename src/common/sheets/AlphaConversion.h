#pragma once

#include "common/Colour.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>
#include <QRgb>

namespace common {

// The alpha that makes `background` transparent ("colour to alpha"): for each
// channel c of the pixel and b of the background, (c - b) / (255 - b) above b,
// (b - c) / b below it, 0 at it; the pixel's alpha is the largest, rounded to
// the nearest 8-bit value. 0 exactly for the background itself; for a black
// background max(r, g, b).
int transparencyAlpha(QRgb pixel, Colour background);

// The pixel as straight alpha: the colour F that, at the alpha above over the
// background, gives the pixel back (F = b + (c - b) / alpha per channel, to the
// nearest 8-bit value). The background itself becomes the background's colour
// at alpha 0.
QRgb straightPixel(QRgb pixel, Colour background);

// The pixel as premultiplied alpha: the same alpha, the colour multiplied by
// it (c - b (1 - alpha) per channel); over a black background the pixel's own
// colour.
QRgb premultipliedPixel(QRgb pixel, Colour background);

// An opaque image in `mode`: additive leaves it as it is (32-bit RGB); the
// other modes give 32-bit ARGB pixels holding the values above as they are
// written to a file (QImage::Format_ARGB32, premultiplied values included).
// `keyedOnly`: only the background itself becomes transparent, every other
// pixel stays as it is, opaque (a sheet locked to a palette keeps its colours).
QImage withAlpha(const QImage& opaque, AlphaMode mode, Colour background, bool keyedOnly = false);

} // namespace common
