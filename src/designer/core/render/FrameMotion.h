#pragma once

#include "common/sheets/MotionVectorFrame.h"
#include "core/render/Particle.h"
#include "core/render/RenderPreparation.h"

#include <vector>

namespace kirabellum {

// Where a particle about to be stamped will be stamped `frameStep` frames
// later, less where it is now, in pixels with y down. The particle moves as the
// engines move it; once a frame's stamping would free it (its whole spark
// dark) or a split trigger frees it in a move, it goes on with the move after
// its last stamp, once per frame.
struct Displacement {
    double dx = 0.0;
    double dy = 0.0;
};
Displacement displacementOf(const Particle& particle, const RenderPreparation& preparation,
                            int frameStep);

// The motion vectors of the frame about to be stamped from `pool` (call before
// the engine advances the frame, `canvas` being the engine's canvases then).
// Each pixel that stamps add to carries the mean of the displacements of those
// stamps (a particle's own and its trail's, each with its particle's
// displacement), weighted by what each adds before the canvas limit. Every
// stamp is also swept along its displacement, forward to where it goes and
// back to where it came from (at an eighth of the weight); a pixel no stamp
// adds to carries the weighted mean of the sweeps across it, with the
// afterimage there (what the canvases hold, when the design keeps one) counted
// as standing still. Pixels no stamp reaches carry no motion.
common::MotionVectorFrame measureFrameMotion(const std::vector<Particle>& pool,
                                             const std::vector<float>& canvas,
                                             const RenderPreparation& preparation, int frameStep);

} // namespace kirabellum
