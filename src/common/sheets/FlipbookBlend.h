#pragma once

#include <QImage>

namespace common {

// How a player shows the time between two kept frames of a flipbook, as the
// engines' flipbook materials do.
enum class FlipbookBlend {
    Off,           // each kept frame until the next
    CrossFade,     // the two kept frames mixed linearly
    MotionVectors, // both frames displaced along their motion vectors, then mixed
};

// The picture `blend` (0 to 1) of the way from cell `from` to cell `to`, two
// cells of one sheet of the same size (padding included), mixed linearly,
// channel by channel, rounded to the nearest value.
QImage crossFadeCells(const QImage& from, const QImage& to, double blend);

// The same with motion vectors as Unity's VFX Graph decodes them: each output
// pixel samples `from` at its position minus its decoded `fromVectors` vector
// times scale × blend, and `to` at its position plus its decoded `toVectors`
// vector times scale × (1 − blend), bilinearly from the stored 8-bit values and
// held to the cell, and mixes the two samples by `blend`. The vector cells are
// the `unity` preset's (decoded as value / 255 × 2 − 1, in fractions of the
// cell), `scale` is the sheet's motion vector scale.
QImage motionBlendCells(const QImage& from, const QImage& fromVectors, const QImage& to,
                        const QImage& toVectors, double scale, double blend);

} // namespace common
