#include "RandomDesign.h"

#include <random>

namespace kirabellum {

DesignDocument randomDesign(std::uint32_t seed) {
    std::mt19937 random(seed);
    auto byte = [&] { return static_cast<std::uint8_t>(random() & 0xFF); };
    auto int16 = [&] { return static_cast<std::int16_t>(random() & 0xFFFF); };
    auto decimal = [&] { return std::uniform_real_distribution<float>(-1000.0f, 1000.0f)(random); };
    auto colour = [&] { return static_cast<common::Colour>(random() & 0xFFFFFF); };

    DesignDocument document;
    document.AfterimageOn = byte();
    document.Afterimage = int16();
    document.FrameSize = int16();
    document.FrameCount = int16();
    document.RefreshRate = byte();
    document.AddRate = decimal();
    document.WidthLimit = int16();
    for (LayerSettings& layer : document.Layers) {
        layer.LayerUse = byte();
        layer.LayerX = int16();
        layer.LayerY = int16();
        layer.LayerCount = int16();
        layer.LayerRadius = int16();
        layer.LayerMinSpeed = byte();
        layer.LayerLife = byte();
        layer.LayerDecel = byte();
        for (std::int16_t& speed : layer.LayerShape)
            speed = int16();
        layer.LayerBurstMode = byte();
        layer.LayerBurstFrom = int16();
        layer.LayerBurstTo = int16();
        layer.LayerBurstStep = int16();
    }
    for (GravityForce& force : document.Gravity) {
        force.Use = byte();
        force.Angle = decimal();
        force.Power = decimal();
    }
    for (SparkBitmap& image : document.SparkImage)
        for (common::Colour& pixel : image.pixels)
            pixel = colour();
    document.RampLength = static_cast<std::int16_t>(random() % 257);
    for (common::Colour& entry : document.ColorRamp)
        entry = colour();
    return document;
}

} // namespace kirabellum
