#include "core/render/RenderPreparation.h"

#include <QCoreApplication>

#include <algorithm>

namespace kirabellum {

namespace {

constexpr double DesignFrame = 160.0;

} // namespace

common::Status RenderPreparation::prepare(const DesignDocument& design) {
    design_ = design;
    frameSize_ = std::max<int>(design.FrameSize, 0);
    scale_ = static_cast<float>(design.FrameSize / DesignFrame);
    prepareCanvases(design);

    for (int layer = 1; layer <= LayerTotal; ++layer) {
        if (!usesSpark(layer))
            continue;
        const CanvasPalette& palette = palettes_[static_cast<std::size_t>(canvasOf(layer))];
        const auto first = palette.colours.begin();
        const auto last = first + palette.rampLength + 1;
        const SparkBitmap& image = design.SparkImage[static_cast<std::size_t>(layer - 1)];
        SparkIndices& indices = SparkIndexMap[static_cast<std::size_t>(layer - 1)];
        for (std::size_t pixel = 0; pixel < indices.size(); ++pixel) {
            const auto match = std::find(first, last, image.pixels[pixel]);
            if (match == last)
                return common::Status::failure(sparkColourMessage(layer));
            // Only the low 8 bits are kept: a 256-entry ramp without black
            // gives black the index 256, which becomes 0, transparent.
            indices[pixel] = static_cast<std::uint8_t>((match - first) & 0xFF);
        }
    }

    motion_.prepare(design, scale_, frameSize_);
    bursts_.prepare(design);
    prepareEffects(design);
    return common::Status::success();
}

void RenderPreparation::preparePalette(CanvasPalette& palette, const common::Colour* ramp,
                                       int length) {
    palette.rampLength = std::clamp(length, 0, RampCapacity);
    std::copy(ramp, ramp + palette.rampLength, palette.colours.begin());
    palette.colours[static_cast<std::size_t>(palette.rampLength)] = 0;
    for (std::size_t index = 0; index < palette.colours.size(); ++index)
        palette.rgb[index] = common::colourToRgb(palette.colours[index]);
}

void RenderPreparation::prepareCanvases(const DesignDocument& design) {
    preparePalette(palettes_[0], design.ColorRamp.data(), design.RampLength);
    canvasCount_ = 1;
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const std::vector<common::Colour>& ramp = design.layer(layer).Ramp;
        int& canvas = canvasOfLayer_[static_cast<std::size_t>(layer - 1)];
        canvas = 0;
        if (ramp.empty() || !usesSpark(layer))
            continue;
        canvas = canvasCount_++;
        preparePalette(palettes_[static_cast<std::size_t>(canvas)], ramp.data(),
                       static_cast<int>(ramp.size()));
    }
}

void RenderPreparation::prepareEffects(const DesignDocument& design) {
    // Switched on, as for scheduled bursts.
    const auto switchedOn = [&](int layer) {
        return layer >= 1 && layer <= LayerTotal && design.layer(layer).LayerUse == 1;
    };
    hasTriggers_ = false;
    hasTrails_ = false;
    for (std::vector<ChildTrigger>& triggers : childTriggers_)
        triggers.clear();
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const LayerSettings& settings = design.layer(layer);
        if (settings.Trigger && switchedOn(layer) && switchedOn(settings.Trigger->Parent)) {
            const LayerTrigger& trigger = *settings.Trigger;
            childTriggers_[static_cast<std::size_t>(trigger.Parent - 1)].push_back(
                {layer, trigger.When, trigger.Age, trigger.Split, trigger.Inherit / 100.0});
            hasTriggers_ = true;
        }
        const bool trailed = settings.Trail && usesSpark(layer);
        trailSteps_[static_cast<std::size_t>(layer - 1)] =
            trailed ? std::clamp<int>(settings.Trail->Steps, 0, MaximumTrailSteps) : 0;
        trailFade_[static_cast<std::size_t>(layer - 1)] =
            trailed ? settings.Trail->Fade / 100.0 : 0.0;
        hasTrails_ = hasTrails_ || trailSteps(layer) > 0;
    }
}

QString sparkColourMessage(int layer) {
    return QCoreApplication::translate("kirabellum::RenderPreparation",
                                       "The Fire of layer %1 uses a colour outside the palette")
        .arg(layer);
}

} // namespace kirabellum
