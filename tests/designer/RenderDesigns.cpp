#include "RenderDesigns.h"

#include "core/render/RenderPreparation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <random>

namespace kirabellum {

DesignDocument emptyDesign(int frameSize, int rampLength) {
    DesignDocument design;
    NewDesign(design);
    design.FrameSize = static_cast<std::int16_t>(frameSize);
    design.FrameCount = 8;
    design.RampLength = static_cast<std::int16_t>(rampLength);
    for (int index = 0; index < rampLength; ++index)
        design.ColorRamp[static_cast<std::size_t>(index)] =
            common::makeColour(index, 255 - index, (index * 7) & 0xFF);
    design.ColorRamp[0] = 0;
    return design;
}

void discSpark(DesignDocument& design, int layer, double radius) {
    SparkBitmap& spark = design.SparkImage[static_cast<std::size_t>(layer - 1)];
    const int top = design.RampLength - 1;
    for (int y = 0; y < SparkEdge; ++y)
        for (int x = 0; x < SparkEdge; ++x) {
            const double distance = std::hypot(x - 15.5, y - 15.5);
            const int index =
                distance >= radius ? 0 : static_cast<int>(top * (1 - distance / radius));
            spark.at(x, y) = design.ColorRamp[static_cast<std::size_t>(index)];
        }
}

DesignDocument restlessDesign() {
    DesignDocument design = emptyDesign(32, 256);
    design.FrameCount = 16;
    LayerSettings& layer = design.layer(1);
    layer.LayerUse = 1;
    layer.LayerCount = 40;
    layer.LayerLife = 0;
    layer.LayerShape.fill(0);
    discSpark(design, 1, 6.0);
    return design;
}

DesignDocument randomRenderDesign(std::uint32_t seed) {
    std::mt19937 random(seed);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto chance = [&](int percent) { return between(1, 100) <= percent; };

    DesignDocument design = emptyDesign(between(24, 64), between(2, 256));
    if (chance(20))
        design.ColorRamp[0] = common::makeColour(9, 9, 9); // black then takes the extra index
    design.AfterimageOn = static_cast<std::uint8_t>(between(0, 1));
    design.Afterimage = static_cast<std::int16_t>(between(10, 100));
    design.AddRate = static_cast<float>(between(1, 400) / 100.0 + (chance(50) ? 0.37 : 0.0));
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        LayerSettings& settings = design.layer(layer);
        settings.LayerUse = static_cast<std::uint8_t>(chance(50) ? 1 : 0);
        settings.LayerX = static_cast<std::int16_t>(between(-20, 180));
        settings.LayerY = static_cast<std::int16_t>(between(-20, 180));
        settings.LayerCount = static_cast<std::int16_t>(between(1, 50));
        settings.LayerRadius = static_cast<std::int16_t>(between(0, 60));
        settings.LayerMinSpeed = static_cast<std::uint8_t>(between(0, 10));
        settings.LayerLife = static_cast<std::uint8_t>(between(0, 255));
        settings.LayerDecel = static_cast<std::uint8_t>(between(50, 100));
        for (std::int16_t& speed : settings.LayerShape)
            speed = static_cast<std::int16_t>(between(0, 80));
        settings.LayerBurstMode = static_cast<std::uint8_t>(between(0, 1));
        settings.LayerBurstFrom = static_cast<std::int16_t>(between(0, 4));
        settings.LayerBurstTo = static_cast<std::int16_t>(between(0, 8));
        settings.LayerBurstStep = static_cast<std::int16_t>(between(1, 3));
        SparkBitmap& spark = design.SparkImage[static_cast<std::size_t>(layer - 1)];
        const int opaquePercent = between(0, 100);
        for (common::Colour& pixel : spark.pixels)
            pixel =
                chance(opaquePercent)
                    ? design.ColorRamp[static_cast<std::size_t>(between(0, design.RampLength - 1))]
                    : 0;
    }
    for (GravityForce& force : design.Gravity) {
        force.Use = static_cast<std::uint8_t>(between(0, 1));
        force.Angle = chance(50) ? static_cast<float>(between(0, 1))
                                 : static_cast<float>(between(0, 3599) / 10.0);
        force.Power = static_cast<float>(between(0, 50) / 10.0);
    }
    return design;
}

DesignDocument randomEffectsDesign(std::uint32_t seed) {
    DesignDocument design = randomRenderDesign(seed);
    std::mt19937 random(seed + 0x9E3779B9u);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto chance = [&](int percent) { return between(1, 100) <= percent; };

    // A layer's parent comes before it in a shuffled order of the layers.
    std::array<int, LayerTotal> order{};
    std::iota(order.begin(), order.end(), 1);
    std::shuffle(order.begin(), order.end(), random);
    design.layer(order[0]).LayerUse = 1;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const int layer = order[rank];
        LayerSettings& settings = design.layer(layer);
        if (rank > 0 && chance(50)) {
            LayerTrigger trigger;
            trigger.Parent = static_cast<std::int16_t>(
                order[static_cast<std::size_t>(between(0, static_cast<int>(rank) - 1))]);
            trigger.When = chance(50) ? TriggerMoment::Death : TriggerMoment::Age;
            if (trigger.When == TriggerMoment::Age) {
                trigger.Age = static_cast<std::int16_t>(between(1, 4));
                trigger.Split = chance(50);
            }
            trigger.Inherit = static_cast<std::int16_t>(between(0, 100));
            settings.Trigger = trigger;
            settings.LayerUse = static_cast<std::uint8_t>(chance(80) ? 1 : 0);
            settings.LayerCount = static_cast<std::int16_t>(between(1, 5));
        }
        if (chance(30))
            settings.Trail = LayerTrail{static_cast<std::int16_t>(between(1, MaximumTrailSteps)),
                                        static_cast<std::int16_t>(between(1, 100))};
        if (chance(30)) {
            settings.Ramp.assign(static_cast<std::size_t>(between(1, RampCapacity)), 0);
            for (std::size_t index = 1; index < settings.Ramp.size(); ++index)
                settings.Ramp[index] = static_cast<common::Colour>(random() & 0xFFFFFF);
            for (common::Colour& pixel :
                 design.SparkImage[static_cast<std::size_t>(layer - 1)].pixels)
                if (pixel != 0)
                    pixel = settings.Ramp[static_cast<std::size_t>(
                        between(0, static_cast<int>(settings.Ramp.size()) - 1))];
        }
    }
    return design;
}

} // namespace kirabellum
