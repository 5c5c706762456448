#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"
#include "core/render/BurstSchedule.h"
#include "core/render/ParticleMotion.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

namespace kirabellum {

// Spark pixel (dx, dy) of a particle at (X, Y) lands on the canvas pixel nearest
// to (X + dx - SparkCentre, Y + dy - SparkCentre).
constexpr int SparkCentre = 16;

// What every engine takes from the design at the start of a render, worked out
// once and in one way: a copy of the design (later changes do not reach a run),
// Scale, the palette, the spark images of the used layers as ramp indices, the
// gravity scaled to frame pixels and the burst schedule.
class RenderPreparation {
public:
    // The ramp index (low 8 bits) of each spark pixel, row after row; 0 is transparent.
    using SparkIndices = std::array<std::uint8_t, SparkEdge * SparkEdge>;

    // Takes Scale, the frame size and the palette, then the spark index maps of
    // the used layers 1 to 8. Fails with the designer's message at the first
    // spark pixel of a used layer whose colour is in no palette entry; the steps
    // after it (the gravity, the schedule) are then not taken.
    common::Status prepare(const DesignDocument& design);

    const DesignDocument& design() const { return design_; }
    const LayerSettings& layer(int layer) const { return design_.layer(layer); }
    // FrameSize / 160: design units to frame pixels.
    float Scale() const { return scale_; }
    // FrameSize, 0 when negative.
    int frameSize() const { return frameSize_; }
    // RampLength, held to 0 to RampCapacity.
    int rampLength() const { return rampLength_; }

    // Palette entries 0 to rampLength(): the ramp's colours and then black, so
    // that a black spark pixel always finds an entry, even in a ramp without black.
    common::Colour paletteColour(int index) const {
        return RampPalette[static_cast<std::size_t>(index)];
    }
    // The same as a pixel value of a QImage in Format_RGB32.
    QRgb paletteRgb(int index) const { return paletteRgb_[static_cast<std::size_t>(index)]; }

    // Whether layer `layer` (1 to 8) is used, so that its spark is stamped and
    // has an index map. The index map of a layer not used keeps what an earlier
    // render left.
    bool usesSpark(int layer) const { return design_.layer(layer).LayerUse != 0; }
    const SparkIndices& sparkIndexMap(int layer) const {
        return SparkIndexMap[static_cast<std::size_t>(layer - 1)];
    }

    const ParticleMotion& motion() const { return motion_; }
    const BurstSchedule& bursts() const { return bursts_; }

private:
    DesignDocument design_;
    float scale_ = 0.0f;
    int frameSize_ = 0;
    int rampLength_ = 0;
    std::array<common::Colour, RampCapacity + 1> RampPalette{};
    std::array<QRgb, RampCapacity + 1> paletteRgb_{};
    std::array<SparkIndices, LayerTotal> SparkIndexMap{};
    ParticleMotion motion_;
    BurstSchedule bursts_;
};

// The message when a used layer's spark image holds a colour outside the ramp,
// naming the layer (in Japanese the layer number directly followed by the
// designer's fixed text).
QString sparkColourMessage(int layer);

} // namespace kirabellum
