#pragma once

#include "core/document/DesignDocument.h"

#include <vector>

namespace kirabellum {

// The colour ramps a layer can be coloured through: the design's, or one of the
// layer's own. A layer's spark image must hold colours of its ramp only, so
// every change of the ramp a layer uses carries its spark image over.

// The design's ramp: its first RampLength entries.
std::vector<common::Colour> designRamp(const DesignDocument& design);

// The ramp layer `layer` (1 to 8) is coloured through: its own when it has
// one, else the design's.
std::vector<common::Colour> layerRamp(const DesignDocument& design, int layer);

// Repaints `spark`, when it is drawn wholly in ramp `from`, with the entries at
// the same places of ramp `to` (scaled to its length), so that it keeps its look
// in the new ramp. A spark holding any other colour is left as it is.
void carrySparkOver(const std::vector<common::Colour>& from, const std::vector<common::Colour>& to,
                    SparkBitmap& spark);

// Gives the layer `ramp` (1 to RampCapacity colours, black first) as its own
// ramp, and carries its spark image over to it.
void setLayerRamp(DesignDocument& design, int layer, std::vector<common::Colour> ramp);

// Gives the layer a ramp of its own that starts as a copy of the design's with
// its first colour black (black alone when the design has no ramp).
void giveLayerOwnRamp(DesignDocument& design, int layer);

// The layer goes back to the design's ramp; its spark image is carried over.
void returnLayerToDesignRamp(DesignDocument& design, int layer);

} // namespace kirabellum
