#include "core/document/LayerEffects.h"

namespace kirabellum {

bool triggerWouldCycle(const DesignDocument& design, int childLayer, int parentLayer) {
    // A chain without the child is at most LayerTotal layers long; a longer walk
    // is going round a cycle of other layers that the child does not join.
    int layer = parentLayer;
    for (int step = 0; step <= LayerTotal; ++step) {
        if (layer == childLayer)
            return true;
        if (layer < 1 || layer > LayerTotal)
            return false;
        const std::optional<LayerTrigger>& trigger = design.layer(layer).Trigger;
        if (!trigger)
            return false;
        layer = trigger->Parent;
    }
    return false;
}

} // namespace kirabellum
