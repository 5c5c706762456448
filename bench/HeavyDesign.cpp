#include "HeavyDesign.h"

#include "core/editing/SampleDesigns.h"

namespace kirabellum {

DesignDocument heavyDesign() {
    DesignDocument design;
    NewDesign(design);
    design.FrameSize = 256;
    design.FrameCount = 32;
    design.WidthLimit = 1024;
    design.AfterimageOn = 1;
    design.Afterimage = 15;
    design.AddRate = 0.3f;
    fillRamp(design, 96,
             {common::makeColour(80, 0, 30), common::makeColour(230, 50, 10),
              common::makeColour(255, 170, 30), common::makeColour(255, 240, 160),
              common::makeColour(255, 255, 255)});
    for (int number = 1; number <= LayerTotal; ++number) {
        LayerSettings& layer = design.layer(number);
        layer.LayerUse = 1;
        layer.LayerCount = 2048;
        layer.LayerX = static_cast<std::int16_t>(40 + 10 * number);
        layer.LayerY = static_cast<std::int16_t>(120 - 8 * number);
        layer.LayerRadius = 10;
        layer.LayerMinSpeed = 2;
        layer.LayerLife = 60;
        layer.LayerDecel = 90;
        layer.LayerShape.fill(static_cast<std::int16_t>(20 + 4 * number));
        layer.LayerBurstMode = 1;
        layer.LayerBurstFrom = 0;
        layer.LayerBurstTo = 32;
        layer.LayerBurstStep = 6;
        paintGlowSpark(design, number - 1, 6.0 + number, 95, 1.5);
    }
    design.Gravity[0] = {1, 90.0f, 1.0f};
    design.Gravity[1] = {1, 0.0f, 2.0f};
    design.Gravity[2] = {1, 1.0f, 1.0f};
    return design;
}

} // namespace kirabellum
