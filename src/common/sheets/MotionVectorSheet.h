#pragma once

#include "common/sheets/MotionVectorFrame.h"
#include "common/sheets/SheetAtlas.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>

#include <vector>

namespace common {

// The motion vectors of a sheet's frames as an image on the sheet's grid, and
// the scale a player multiplies decoded vectors by.
struct MotionVectorSheet {
    QImage image;
    // unity: the smallest S with every vector's |dx| / W and |dy| / H at most
    // S (1 when nothing moves); raw16: 1.
    double scale = 1.0;
};

// Kept frame k of animation a takes `motion[a][k]`, the part of it the atlas
// frame keeps, at the frame's place; padding, gutters, cells without a frame
// and the space of power-of-two edges hold no motion.
// - unity (8-bit RGBA): R = 128 + round(127 × (dx / W) / S),
//   G = 128 − round(127 × (dy / H) / S), B = 0, A = 255, W × H the frame's
//   cell with its padding;
// - raw16 (16-bit RGB): R = 32768 + round(256 × dx), G = 32768 + round(256 × dy),
//   each held to 0 … 65535, B = 0.
// Rounding is half to even. Each animation's motion holds at most its frames.
MotionVectorSheet makeMotionVectorSheet(const std::vector<std::vector<MotionVectorFrame>>& motion,
                                        const SheetAtlas& atlas, MotionVectorPreset preset);

} // namespace common
