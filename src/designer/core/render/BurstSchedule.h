#pragma once

#include "core/document/DesignDocument.h"

#include <array>
#include <cstdint>

namespace kirabellum {

// When each layer bursts during a render. A used layer in single-burst mode
// bursts once, before frame 0. A used layer in multiple-burst mode bursts before
// frame 0 when its range starts at 0, and after every frame f whose number is a
// multiple of its step while f + 1 lies in its range: the step test looks at the
// frame just drawn, the range test at the next one.
//
// A layer with a trigger has no schedule: it bursts only when triggered.
//
// A LayerBurstStep of 0 or less (only a design file can hold one) counts as 1:
// a burst after every frame of the range.
class BurstSchedule {
public:
    // Takes the burst settings of the eight layers at the start of a render.
    void prepare(const DesignDocument& design);

    // Whether layer `layer` (1 to 8) bursts before frame 0.
    bool burstsFirst(int layer) const {
        const LayerBursts& settings = bursts(layer);
        return settings.used && (settings.mode == 0 || settings.from == 0);
    }
    // Whether layer `layer` bursts after frame `frameIndex`, before frame
    // `frameIndex` + 1.
    bool burstsAfter(int frameIndex, int layer) const {
        const LayerBursts& settings = bursts(layer);
        const int nextFrame = frameIndex + 1;
        return settings.used && settings.mode == 1 && frameIndex % settings.step == 0 &&
               settings.from <= nextFrame && nextFrame <= settings.to;
    }

private:
    struct LayerBursts {
        bool used = false;     // LayerUse is 1
        std::uint8_t mode = 0; // LayerBurstMode: 0 single, 1 multiple
        int from = 0;          // LayerBurstFrom
        int to = 0;            // LayerBurstTo
        int step = 1;          // LayerBurstStep, at least 1
    };

    const LayerBursts& bursts(int layer) const {
        return layers_[static_cast<std::size_t>(layer - 1)];
    }

    std::array<LayerBursts, LayerTotal> layers_{};
};

} // namespace kirabellum
