#pragma once

#include "core/document/DesignDocument.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace kirabellum {

// The burst shapes the particle editor offers for the 36 directions of a layer.
// A direction's value is the most speed a particle launched that way gains on
// top of the layer's minimum speed, so a value's spoke in the motion tab shows
// how far that side of the burst reaches.

using BurstShape = std::array<std::int16_t, DirectionTotal>;

enum class ShapePreset { Circle, Ring, Heart, Star, HalfSphereUp, Fan, Random };

struct ShapePresetEntry {
    ShapePreset preset;
    QString name; // shown in the particle editor
};

const std::vector<ShapePresetEntry>& shapePresets();

// The 36 values of a preset. Random draws them from `seed`; the others ignore it.
BurstShape presetShape(ShapePreset preset, std::uint32_t seed);

// The minimum speed a layer needs for the preset to look as named, given the
// one it has: a ring is a narrow band of speeds well away from the centre, so
// it needs at least 8; the half sphere and the fan throw nothing to the other
// sides, which a minimum speed would, so they need 0; the rest keep it.
std::uint8_t presetMinimumSpeed(ShapePreset preset, std::uint8_t current);

// Sets layer `layer`'s shape to the preset, and its minimum speed to what the
// preset needs.
void applyShapePreset(DesignDocument& design, int layer, ShapePreset preset, std::uint32_t seed);

} // namespace kirabellum
