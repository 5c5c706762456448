#pragma once

#include "core/document/DesignDocument.h"

#include <QString>

#include <vector>

namespace kirabellum {

// Fire-coloured ramp building blocks and the sample designs shipped in samples/.
// Everything is computed here, so the samples carry no third-party pictures.

// A ramp of `length` distinct colours from black through the given key colours,
// evenly spaced, brightest last. Distinct colours matter: a spark pixel takes the
// index of the first ramp entry of its colour.
void fillRamp(DesignDocument& design, int length, const std::vector<common::Colour>& keys);

// A round glow: ramp index `peak` at the centre falling to 0 (black, transparent)
// at `radius` pixels, with the falloff's sharpness given by `power`.
void paintGlowSpark(DesignDocument& design, int slot, double radius, int peak, double power);

struct SampleDesign {
    QString fileName; // e.g. "chrysanthemum.df2"
    DesignDocument design;
};

// The samples in the order ./run shows them; the first is the default.
std::vector<SampleDesign> sampleDesigns();

} // namespace kirabellum
