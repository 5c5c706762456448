#include "core/render/BurstSchedule.h"

#include <algorithm>

namespace kirabellum {

void BurstSchedule::prepare(const DesignDocument& design) {
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const LayerSettings& settings = design.layer(layer);
        LayerBursts& bursts = layers_[static_cast<std::size_t>(layer - 1)];
        // A triggered layer bursts only where its parent's particles fire it.
        bursts.used = settings.LayerUse == 1 && !settings.Trigger;
        bursts.mode = settings.LayerBurstMode;
        bursts.from = settings.LayerBurstFrom;
        bursts.to = settings.LayerBurstTo;
        bursts.step = std::max<int>(settings.LayerBurstStep, 1);
    }
}

} // namespace kirabellum
