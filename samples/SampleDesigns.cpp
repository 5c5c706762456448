#include "SampleDesigns.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

namespace {

int mix(int from, int to, double t) {
    return static_cast<int>(std::lround(from + (to - from) * t));
}

DesignDocument startDesign() {
    DesignDocument design;
    NewDesign(design);
    design.FrameSize = 128;
    design.FrameCount = 16;
    design.WidthLimit = 512;
    return design;
}

DesignDocument chrysanthemum() {
    DesignDocument design = startDesign();
    design.AfterimageOn = 1;
    design.Afterimage = 16;
    design.AddRate = 0.12f;
    fillRamp(design, 64,
             {common::makeColour(90, 0, 20), common::makeColour(220, 40, 10),
              common::makeColour(255, 150, 20), common::makeColour(255, 230, 120),
              common::makeColour(255, 255, 255)});

    LayerSettings& petals = design.layer(1);
    petals.LayerUse = 1;
    petals.LayerCount = 600;
    petals.LayerRadius = 6;
    petals.LayerMinSpeed = 5;
    petals.LayerLife = 180;
    petals.LayerDecel = 88;
    petals.LayerShape.fill(40);
    paintGlowSpark(design, 0, 4.0, 63, 1.5);

    LayerSettings& core = design.layer(2);
    core.LayerUse = 1;
    core.LayerCount = 200;
    core.LayerRadius = 4;
    core.LayerMinSpeed = 0;
    core.LayerLife = 255;
    core.LayerDecel = 80;
    core.LayerShape.fill(24);
    paintGlowSpark(design, 1, 7.0, 50, 2.0);

    GravityForce& fall = design.Gravity[0];
    fall.Use = 1;
    fall.Angle = 90.0f;
    fall.Power = 1.0f;
    return design;
}

DesignDocument ring() {
    DesignDocument design = startDesign();
    design.AfterimageOn = 1;
    design.Afterimage = 15;
    design.AddRate = 0.2f;
    fillRamp(design, 48,
             {common::makeColour(10, 0, 60), common::makeColour(40, 60, 200),
              common::makeColour(80, 180, 255), common::makeColour(200, 240, 255),
              common::makeColour(255, 255, 255)});

    LayerSettings& band = design.layer(1);
    band.LayerUse = 1;
    band.LayerCount = 400;
    band.LayerRadius = 2;
    band.LayerMinSpeed = 9;
    band.LayerLife = 200;
    band.LayerDecel = 84;
    band.LayerShape.fill(3);
    paintGlowSpark(design, 0, 4.0, 47, 1.2);

    LayerSettings& sparkle = design.layer(2);
    sparkle.LayerUse = 1;
    sparkle.LayerCount = 160;
    sparkle.LayerRadius = 30;
    sparkle.LayerMinSpeed = 1;
    sparkle.LayerLife = 150;
    sparkle.LayerDecel = 70;
    sparkle.LayerShape.fill(8);
    sparkle.LayerBurstMode = 1;
    sparkle.LayerBurstFrom = 2;
    sparkle.LayerBurstTo = 10;
    sparkle.LayerBurstStep = 4;
    paintGlowSpark(design, 1, 3.0, 47, 1.0);

    GravityForce& spin = design.Gravity[1];
    spin.Use = 1;
    spin.Angle = 0.0f;
    spin.Power = 3.0f;
    return design;
}

DesignDocument willow() {
    DesignDocument design = startDesign();
    design.FrameCount = 20;
    design.AfterimageOn = 1;
    design.Afterimage = 13;
    design.AddRate = 0.1f;
    fillRamp(design, 80,
             {common::makeColour(40, 20, 0), common::makeColour(150, 80, 0),
              common::makeColour(230, 170, 30), common::makeColour(255, 230, 140),
              common::makeColour(255, 255, 230)});

    LayerSettings& fronds = design.layer(1);
    fronds.LayerUse = 1;
    fronds.LayerX = 80;
    fronds.LayerY = 56;
    fronds.LayerCount = 300;
    fronds.LayerRadius = 4;
    fronds.LayerMinSpeed = 3;
    fronds.LayerLife = 150;
    fronds.LayerDecel = 86;
    fronds.LayerShape.fill(36);
    // Fewer particles thrown downwards: the willow opens upwards and then droops.
    for (int direction = 3; direction <= 15; ++direction)
        fronds.LayerShape[static_cast<std::size_t>(direction)] = 16;
    fronds.LayerBurstMode = 1;
    fronds.LayerBurstFrom = 0;
    fronds.LayerBurstTo = 8;
    fronds.LayerBurstStep = 4;
    paintGlowSpark(design, 0, 3.5, 79, 1.3);

    GravityForce& fall = design.Gravity[0];
    fall.Use = 1;
    fall.Angle = 90.0f;
    fall.Power = 2.0f;
    return design;
}

} // namespace

void fillRamp(DesignDocument& design, int length, const std::vector<common::Colour>& keys) {
    design.RampLength = static_cast<std::int16_t>(length);
    design.ColorRamp[0] = 0;
    const int segments = static_cast<int>(keys.size());
    for (int index = 1; index < length; ++index) {
        const double position = static_cast<double>(index) / (length - 1) * segments;
        const int segment = std::min(static_cast<int>(position), segments - 1);
        const double t = position - segment;
        const common::Colour from = segment == 0 ? 0 : keys[static_cast<std::size_t>(segment - 1)];
        const common::Colour to = keys[static_cast<std::size_t>(segment)];
        common::Colour colour =
            common::makeColour(mix(common::colourRed(from), common::colourRed(to), t),
                               mix(common::colourGreen(from), common::colourGreen(to), t),
                               mix(common::colourBlue(from), common::colourBlue(to), t));
        // Keep every entry distinct, nudging the blue channel where two coincide.
        auto* begin = design.ColorRamp.begin();
        while (std::find(begin, begin + index, colour) != begin + index)
            colour = common::makeColour(common::colourRed(colour), common::colourGreen(colour),
                                        (common::colourBlue(colour) + 1));
        design.ColorRamp[static_cast<std::size_t>(index)] = colour;
    }
}

void paintGlowSpark(DesignDocument& design, int slot, double radius, int peak, double power) {
    SparkBitmap& image = design.SparkImage[static_cast<std::size_t>(slot)];
    for (int y = 0; y < SparkEdge; ++y) {
        for (int x = 0; x < SparkEdge; ++x) {
            const double distance = std::hypot(x - 15.5, y - 15.5);
            const double strength = std::max(0.0, 1.0 - distance / radius);
            const int index = static_cast<int>(std::lround(peak * std::pow(strength, power)));
            image.at(x, y) = design.ColorRamp[static_cast<std::size_t>(index)];
        }
    }
}

std::vector<SampleDesign> sampleDesigns() {
    return {{QStringLiteral("chrysanthemum.df2"), chrysanthemum()},
            {QStringLiteral("ring.df2"), ring()},
            {QStringLiteral("willow.df2"), willow()}};
}

} // namespace kirabellum
