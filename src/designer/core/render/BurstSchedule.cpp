#include "core/render/BurstSchedule.h"

#include <algorithm>

namespace kirabellum {

void BurstSchedule::prepare(const DesignDocument& design) {
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const LayerSettings& settings = design.layer(layer);
        LayerBursts& bursts = layers_[static_cast<std::size_t>(layer - 1)];
        bursts.used = settings.LayerUse == 1;
        bursts.mode = settings.LayerBurstMode;
        bursts.from = settings.LayerBurstFrom;
        bursts.to = settings.LayerBurstTo;
        bursts.step = std::max<int>(settings.LayerBurstStep, 1);
    }
}

bool BurstSchedule::burstsFirst(int layer) const {
    const LayerBursts& settings = bursts(layer);
    return settings.used && (settings.mode == 0 || settings.from == 0);
}

bool BurstSchedule::burstsAfter(int frameIndex, int layer) const {
    const LayerBursts& settings = bursts(layer);
    const int nextFrame = frameIndex + 1;
    return settings.used && settings.mode == 1 && frameIndex % settings.step == 0 &&
           settings.from <= nextFrame && nextFrame <= settings.to;
}

} // namespace kirabellum
