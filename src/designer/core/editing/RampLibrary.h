#pragma once

#include "common/palettes/Palette.h"
#include "core/document/DesignDocument.h"

#include <QString>

#include <vector>

namespace kirabellum {

// The built-in colour ramps the colour editor offers. They are computed, not
// stored: each runs from black (the frames' background) through its key colours,
// brightest last.

// A ramp of `length` distinct colours from black through the given key colours,
// evenly spaced. Distinct colours matter: a spark pixel takes the index of the
// first ramp entry of its colour.
std::vector<common::Colour> gradientRamp(int length, const std::vector<common::Colour>& keys);
// Makes such a ramp the design's: RampLength and the first entries of ColorRamp.
void fillRamp(DesignDocument& design, int length, const std::vector<common::Colour>& keys);

struct BuiltInRamp {
    QString name; // shown in the colour editor
    std::vector<common::Colour> keys;
};

// Entries of every built-in ramp.
constexpr int BuiltInRampLength = 64;

const std::vector<BuiltInRamp>& builtInRamps();

// Sets the design's ramp to built-in ramp `index`, as loading its bitmap would,
// and carries the spark images over to it (see carrySparksOver).
void applyBuiltInRamp(DesignDocument& design, std::size_t index);

// Gives layer `layer` (1 to 8) built-in ramp `index` as its own ramp, carrying
// its spark image over to it.
void applyBuiltInLayerRamp(DesignDocument& design, int layer, std::size_t index);

// Replaces each colour of the ramp layer `layer` (1 to 8) shows, its own when
// `ownRamp` else the design's, by its nearest in `palette`, and carries the
// spark images over. A layer's own ramp keeps its black first colour, the
// background its canvas fades to.
void snapRampToPalette(DesignDocument& design, int layer, bool ownRamp,
                       const common::Palette& palette);

// Carries the spark image of each layer that uses the design's ramp over from
// the ramp of `before` to the design's (see carrySparkOver), so that it keeps
// its look and still renders.
void carrySparksOver(const DesignDocument& before, DesignDocument& design);

} // namespace kirabellum
