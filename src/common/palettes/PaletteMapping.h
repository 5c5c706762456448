#pragma once

#include "common/FrameGrid.h"
#include "common/palettes/Palette.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>
#include <QRect>

namespace common {

// Turns the pixels of frames 0 to frameCount - 1 of `image` (cells of `grid`,
// Format_RGB32 or Format_ARGB32) into colours of `palette`, alpha kept:
// - none: each pixel's nearest palette colour;
// - ordered: the nearest colour to the pixel with (bayerThreshold(x, y) - 0.5)
//   × OrderedColourSpread added to each channel (held to 0 to 255), x and y
//   counted from the frame's top-left pixel;
// - diffusion: diffuseToPalette over each frame on its own.
void mapFramesToPalette(QImage& image, const FrameGrid& grid, int frameCount,
                        const Palette& palette, Dither dither);

// Floyd–Steinberg error diffusion over `area` of `image` (Format_RGB32 or
// Format_ARGB32, alpha kept): row by row from the top, each row left to right,
// a pixel plus the error passed on to it (each channel held to 0 to 255)
// becomes its nearest palette colour, and the difference passes on, 7/16 to
// the right, 3/16 down left, 5/16 down and 1/16 down right, within `area`.
void diffuseToPalette(QImage& image, const QRect& area, const Palette& palette);

} // namespace common
