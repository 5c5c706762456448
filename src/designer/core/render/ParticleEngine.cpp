#include "core/render/ParticleEngine.h"

namespace kirabellum {

void ParticleEngine::spawnBurstsAfter(int frameIndex) {
    const BurstSchedule& schedule = preparation().bursts();
    for (int layer = 1; layer <= LayerTotal; ++layer)
        if (schedule.burstsAfter(frameIndex, layer))
            Add(layer);
}

void ParticleEngine::spawnFirstBursts() {
    const BurstSchedule& schedule = preparation().bursts();
    for (int layer = 1; layer <= LayerTotal; ++layer)
        if (schedule.burstsFirst(layer))
            Add(layer);
}

} // namespace kirabellum
