#pragma once

#include "core/document/DesignDocument.h"

#include <QString>

#include <functional>
#include <vector>

namespace kirabellum {

// The built-in spark images the spark editor offers. A spark is drawn as a
// brightness from 0 to 1 per pixel and painted with the design's own ramp, so
// its colours are always ramp colours: brightness 1 takes the ramp's last entry,
// 0 its first (the background, which draws nothing). The ramp is the one the
// slot's layer is coloured through: its own when it has one (see layerRamp).

// Brightness at the pixel whose centre lies (dx, dy) from the image's centre.
using SparkBrightness = std::function<double(double dx, double dy)>;

// Paints spark slot `slot` with ramp entry round(peak x brightness) per pixel.
void paintSpark(DesignDocument& design, int slot, int peak, const SparkBrightness& brightness);

// A round glow: ramp index `peak` at the centre falling to 0 (black, transparent)
// at `radius` pixels, with the falloff's sharpness given by `power`.
void paintGlowSpark(DesignDocument& design, int slot, double radius, int peak, double power);

struct BuiltInSpark {
    QString name; // shown in the spark editor
    SparkBrightness brightness;
};

const std::vector<BuiltInSpark>& builtInSparks();

// Sets spark slot `slot` to built-in spark `index` in its layer's ramp, its
// brightest pixels taking the ramp's last entry. A ramp of one colour only (as
// after New) draws nothing, so such a ramp is replaced by the first built-in
// ramp first.
void applyBuiltInSpark(DesignDocument& design, int slot, std::size_t index);

} // namespace kirabellum
