#pragma once

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

// Repaints each spark image drawn wholly in the ramp of `before` with the
// entries at the same places of the design's ramp (scaled to its length), so
// that it keeps its look and still renders. A spark holding any other colour
// is left as it is.
void carrySparksOver(const DesignDocument& before, DesignDocument& design);

} // namespace kirabellum
