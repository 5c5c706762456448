#pragma once

#include "common/Colour.h"
#include "common/sheets/SheetImage.h"

#include <QRect>

#include <vector>

namespace common {

// What a frame draws: the smallest rectangle, in the frame, that holds every
// pixel of frame `frame` of `frames` that is not `background`; a null
// rectangle when it draws nothing.
QRect frameBounds(const SheetFrames& frames, int frame, Colour background);

// The bounds of every frame the sheet keeps of `frames` (0, frameStep, ...),
// in play order.
std::vector<QRect> keptFrameBounds(const SheetFrames& frames, Colour background);

// The crop of an animation, or of several variants of one: the smallest
// rectangle that holds what any kept frame of any of `sets` draws (each
// against its own background); a frame's centre pixel when none draws
// anything, so that a crop is never empty.
QRect unionBounds(const std::vector<SheetFrames>& sets, const std::vector<Colour>& backgrounds);

} // namespace common
