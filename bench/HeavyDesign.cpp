#include "HeavyDesign.h"

#include "core/editing/LayerRamps.h"
#include "core/editing/SampleDesigns.h"

namespace kirabellum {

namespace {

// A heavy design's frames, colours and forces, without layers.
DesignDocument heavyFrames() {
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
    design.Gravity[0] = {1, 90.0f, 1.0f};
    design.Gravity[1] = {1, 0.0f, 2.0f};
    design.Gravity[2] = {1, 1.0f, 1.0f};
    return design;
}

// Layer `number`, used, with `count` particles that live `life` and burst on
// its own from frame 0 every `step` frames.
LayerSettings& heavyLayer(DesignDocument& design, int number, int count, int life, int step) {
    LayerSettings& layer = design.layer(number);
    layer.LayerUse = 1;
    layer.LayerCount = static_cast<std::int16_t>(count);
    layer.LayerX = static_cast<std::int16_t>(40 + 10 * number);
    layer.LayerY = static_cast<std::int16_t>(120 - 8 * number);
    layer.LayerRadius = 10;
    layer.LayerMinSpeed = 2;
    layer.LayerLife = static_cast<std::uint8_t>(life);
    layer.LayerDecel = 90;
    layer.LayerShape.fill(static_cast<std::int16_t>(20 + 4 * number));
    layer.LayerBurstMode = 1;
    layer.LayerBurstFrom = 0;
    layer.LayerBurstTo = 32;
    layer.LayerBurstStep = static_cast<std::int16_t>(step);
    paintGlowSpark(design, number - 1, 6.0 + number, 95, 1.5);
    return layer;
}

// Makes layer `number` burst, `count` particles at a time, where particles of
// layer `parent` die, or split there at `age` when it is above 0.
LayerSettings& childLayer(DesignDocument& design, int number, int parent, int count, int age,
                          int inherit) {
    LayerSettings& layer = heavyLayer(design, number, count, 120, 1);
    layer.LayerRadius = 2;
    layer.LayerBurstMode = 0;
    layer.Trigger = LayerTrigger{
        static_cast<std::int16_t>(parent), age > 0 ? TriggerMoment::Age : TriggerMoment::Death,
        static_cast<std::int16_t>(age > 0 ? age : 1), age > 0, static_cast<std::int16_t>(inherit)};
    return layer;
}

} // namespace

DesignDocument heavyDesign() {
    DesignDocument design = heavyFrames();
    for (int number = 1; number <= LayerTotal; ++number)
        heavyLayer(design, number, 2048, 60, 6);
    return design;
}

DesignDocument heavyEffectsDesign() {
    DesignDocument design = heavyFrames();
    // Stars that split at age 5 into pieces with trails, which burst again
    // where they die.
    heavyLayer(design, 1, 768, 60, 8).Trail = LayerTrail{3, 60};
    childLayer(design, 5, 1, 6, 5, 50).Trail = LayerTrail{2, 50};
    childLayer(design, 6, 5, 3, 0, 20);
    // Stars that burst where they die, in a ramp of their own.
    heavyLayer(design, 2, 1536, 40, 8);
    childLayer(design, 7, 2, 4, 0, 30);
    giveLayerOwnRamp(design, 7);
    // Stars with long trails, splitting at age 8.
    heavyLayer(design, 3, 1024, 60, 8).Trail = LayerTrail{6, 80};
    childLayer(design, 8, 3, 4, 8, 40);
    // A plain shell beside them.
    heavyLayer(design, 4, 2048, 60, 6);
    return design;
}

} // namespace kirabellum
