#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"

#include <QString>

namespace kirabellum {

// The ranges of the layer effects' fields, for the JSON form and the editors.
constexpr int TriggerAgeMinimum = 1;
constexpr int TriggerAgeMaximum = 255;
constexpr int TriggerInheritMaximum = 100; // percent, from 0
constexpr int TrailStepsMinimum = 1;
constexpr int TrailStepsMaximum = 8;
constexpr int TrailFadeMinimum = 1;
constexpr int TrailFadeMaximum = 100; // percent

// Whether any layer uses a layer effect: a trigger, a trail or a ramp of its own.
bool usesLayerEffects(const DesignDocument& document);

// The kinds of layer effect the design uses, for messages about the forms that
// cannot keep them: "child bursts, layer ramps, trails", each named only when
// used.
QString layerEffectNames(const DesignDocument& document);

// Removes every layer's trigger, trail and ramp: the design as the design file
// (.df2, .df1) keeps it.
void dropLayerEffects(DesignDocument& document);

// The rules of the layer effects that concern the design rather than one field's
// range: no layer is triggered by itself, the triggers of no layers (switched on
// or not) form a cycle, and every layer ramp starts with black. A failure names
// the layers (by number, 1 to 8). Parents outside 1 to 8 end a chain of
// triggers here; their range is checked where the fields are read.
common::Status checkLayerEffects(const DesignDocument& document);

// Whether making `parentLayer` the trigger parent of `childLayer` (both 1 to 8)
// would close a cycle: the parent is the child itself, or is triggered, through
// the chain of its own parents, by the child. The child's present trigger, which
// the new one would replace, does not count.
bool triggerWouldCycle(const DesignDocument& document, int childLayer, int parentLayer);

} // namespace kirabellum
