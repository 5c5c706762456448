#pragma once

#include "common/sheets/MotionVectorFrame.h"
#include "core/render/Particle.h"
#include "core/render/RenderPreparation.h"

#include <vector>

namespace kirabellum {

// The motion vectors of the frame about to be stamped from `pool` (call before
// the engine advances the frame, `canvas` being the engine's canvases then).
// A particle's displacement runs from where it is stamped now to where it is
// stamped `frameStep` frames later; one freed before then (its spark dark all
// over, or split into its children) goes on with the move after its last
// stamp, once per frame.
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
