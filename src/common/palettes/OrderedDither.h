#pragma once

namespace common {

// The ordered dither's matrix: the 4 x 4 Bayer matrix, repeated over a frame
// from its top-left pixel.
constexpr int BayerSize = 4;

// The threshold of pixel (x, y) of a frame, between 0 and 1: (b + 0.5) / 16 for
// the entry b (0 to 15) of the Bayer matrix at (x mod 4, y mod 4). It depends on
// the place alone, so a pixel that stays the same from frame to frame keeps
// its dithered colour.
double bayerThreshold(int x, int y);

// How far the ordered dither of colours moves each channel of a pixel before
// its nearest palette colour is taken: (threshold - 0.5) times this.
constexpr double OrderedColourSpread = 64.0;

} // namespace common
