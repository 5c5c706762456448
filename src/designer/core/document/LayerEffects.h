#pragma once

#include "core/document/DesignDocument.h"

namespace kirabellum {

// Whether giving layer `childLayer` a trigger on layer `parentLayer` (both 1 to
// 8) would make a trigger cycle: the parent is the child itself, or the chain of
// triggers from the parent upwards leads back to the child. Layers on and off
// alike count.
bool triggerWouldCycle(const DesignDocument& design, int childLayer, int parentLayer);

} // namespace kirabellum
