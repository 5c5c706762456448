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

    rampLength_ = std::clamp<int>(design.RampLength, 0, RampCapacity);
    for (int index = 0; index < rampLength_; ++index)
        RampPalette[static_cast<std::size_t>(index)] =
            design.ColorRamp[static_cast<std::size_t>(index)];
    RampPalette[static_cast<std::size_t>(rampLength_)] = 0;
    for (std::size_t index = 0; index < RampPalette.size(); ++index)
        paletteRgb_[index] = common::colourToRgb(RampPalette[index]);

    const auto first = RampPalette.begin();
    const auto last = first + rampLength_ + 1;
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        if (!usesSpark(layer))
            continue;
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
    return common::Status::success();
}

QString sparkColourMessage(int layer) {
    return QCoreApplication::translate("kirabellum::RenderPreparation",
                                       "The Fire of layer %1 uses a colour outside the palette")
        .arg(layer);
}

} // namespace kirabellum
