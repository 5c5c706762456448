#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"
#include "core/render/BurstSchedule.h"
#include "core/render/ParticleMotion.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace kirabellum {

// Spark pixel (dx, dy) of a particle at (X, Y) lands on the canvas pixel nearest
// to (X + dx - SparkCentre, Y + dy - SparkCentre).
constexpr int SparkCentre = 16;
// The most trail stamps a particle makes.
constexpr int MaximumTrailSteps = 8;

// One coordinate of trail stamp `step` (1 to `steps`) of a particle at `p` that
// was at `q` one move earlier: p + (q - p) · step / (steps + 1), in double.
inline float trailCoordinate(float p, float q, int step, int steps) {
    return static_cast<float>(p + (static_cast<double>(q) - p) * step / (steps + 1));
}

// A trigger of a child layer, as the particles of its parent layer fire it.
struct ChildTrigger {
    int layer = 0; // the child layer, 1 to 8
    TriggerMoment when = TriggerMoment::Death;
    int age = 0;
    bool split = false;
    double inheritance = 0.0; // Inherit / 100.0
};

// What every engine takes from the design at the start of a render, worked out
// once and in one way: a copy of the design (later changes do not reach a run),
// Scale, the palettes, the spark images of the used layers as ramp indices, the
// gravity scaled to frame pixels, the burst schedule, the triggers and the trails.
//
// Layers with a ramp of their own are stamped into canvases of their own:
// canvas 0 is the design's, shared by every other layer, and canvases 1 and up
// belong to the used layers with their own ramps, in layer order. Each canvas
// has a palette: its ramp's colours and then black.
class RenderPreparation {
public:
    // The ramp index (low 8 bits) of each spark pixel, row after row; 0 is transparent.
    using SparkIndices = std::array<std::uint8_t, SparkEdge * SparkEdge>;

    // Takes Scale, the frame size and the palettes, then the spark index maps of
    // the used layers 1 to 8, each in its canvas's palette. Fails with the
    // designer's message at the first spark pixel of a used layer whose colour is
    // in no entry of that palette; the steps after it (the gravity, the schedule,
    // the triggers, the trails) are then not taken.
    common::Status prepare(const DesignDocument& design);

    const DesignDocument& design() const { return design_; }
    const LayerSettings& layer(int layer) const { return design_.layer(layer); }
    // FrameSize / 160: design units to frame pixels.
    float Scale() const { return scale_; }
    // FrameSize, 0 when negative.
    int frameSize() const { return frameSize_; }
    // RampLength, held to 0 to RampCapacity.
    int rampLength() const { return canvasRampLength(0); }

    // Palette entries 0 to rampLength(): the ramp's colours and then black, so
    // that a black spark pixel always finds an entry, even in a ramp without black.
    common::Colour paletteColour(int index) const { return canvasColour(0, index); }
    // The same as a pixel value of a QImage in Format_RGB32.
    QRgb paletteRgb(int index) const { return canvasRgb(0, index); }

    // The canvases: 1 + the used layers with their own ramps.
    int canvasCount() const { return canvasCount_; }
    // The canvas layer `layer` (1 to 8) is stamped into.
    int canvasOf(int layer) const { return canvasOfLayer_[static_cast<std::size_t>(layer - 1)]; }
    // The length of canvas `canvas`'s ramp: its values stay within 0 and this - 1.
    int canvasRampLength(int canvas) const {
        return palettes_[static_cast<std::size_t>(canvas)].rampLength;
    }
    common::Colour canvasColour(int canvas, int index) const {
        return palettes_[static_cast<std::size_t>(canvas)].colours[static_cast<std::size_t>(index)];
    }
    QRgb canvasRgb(int canvas, int index) const {
        return palettes_[static_cast<std::size_t>(canvas)].rgb[static_cast<std::size_t>(index)];
    }

    // Whether layer `layer` (1 to 8) is used, so that its spark is stamped and
    // has an index map. The index map of a layer not used keeps what an earlier
    // render left.
    bool usesSpark(int layer) const { return design_.layer(layer).LayerUse != 0; }
    const SparkIndices& sparkIndexMap(int layer) const {
        return SparkIndexMap[static_cast<std::size_t>(layer - 1)];
    }

    const ParticleMotion& motion() const { return motion_; }
    const BurstSchedule& bursts() const { return bursts_; }

    // The triggers the particles of layer `parent` fire, in ascending child
    // layer order: only those of a switched-on child with a switched-on parent.
    const std::vector<ChildTrigger>& childTriggers(int parent) const {
        return childTriggers_[static_cast<std::size_t>(parent - 1)];
    }
    // Whether any trigger can fire in this render.
    bool hasTriggers() const { return hasTriggers_; }
    // The trail stamps of each particle of layer `layer` (0 without a trail),
    // and the weight of each stamp relative to the one before it (Fade / 100.0).
    int trailSteps(int layer) const { return trailSteps_[static_cast<std::size_t>(layer - 1)]; }
    double trailFade(int layer) const { return trailFade_[static_cast<std::size_t>(layer - 1)]; }
    // Whether any used layer has a trail.
    bool hasTrails() const { return hasTrails_; }

private:
    struct CanvasPalette {
        int rampLength = 0;
        std::array<common::Colour, RampCapacity + 1> colours{};
        std::array<QRgb, RampCapacity + 1> rgb{};
    };

    void preparePalette(CanvasPalette& palette, const common::Colour* ramp, int length);
    void prepareCanvases(const DesignDocument& design);
    void prepareEffects(const DesignDocument& design);

    DesignDocument design_;
    float scale_ = 0.0f;
    int frameSize_ = 0;
    std::array<CanvasPalette, LayerTotal + 1> palettes_{};
    int canvasCount_ = 1;
    std::array<int, LayerTotal> canvasOfLayer_{};
    std::array<SparkIndices, LayerTotal> SparkIndexMap{};
    std::array<std::vector<ChildTrigger>, LayerTotal> childTriggers_{};
    bool hasTriggers_ = false;
    std::array<int, LayerTotal> trailSteps_{};
    std::array<double, LayerTotal> trailFade_{};
    bool hasTrails_ = false;
    ParticleMotion motion_;
    BurstSchedule bursts_;
};

// The message when a used layer's spark image holds a colour outside the ramp,
// naming the layer (in Japanese the layer number directly followed by the
// designer's fixed text).
QString sparkColourMessage(int layer);

} // namespace kirabellum
