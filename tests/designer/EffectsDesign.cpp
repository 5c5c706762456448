#include "EffectsDesign.h"

#include "RandomDesign.h"

namespace kirabellum {

DesignDocument designWithEffects(std::uint32_t seed) {
    DesignDocument design = randomDesign(seed);
    design.layer(2).Trigger = LayerTrigger{1, TriggerMoment::Age, 40, true, 35};
    design.layer(3).Trigger = LayerTrigger{2, TriggerMoment::Death, 1, false, 100};
    design.layer(3).Trail = LayerTrail{8, 1};
    design.layer(6).Trail = LayerTrail{1, 100};
    design.layer(5).Ramp = {common::makeColour(0, 0, 0), common::makeColour(255, 96, 0),
                            static_cast<common::Colour>(seed) & 0xFFFFFF};
    return design;
}

} // namespace kirabellum
