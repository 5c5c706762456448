#pragma once

#include "common/Colour.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kirabellum {

constexpr int LayerTotal = 8;      // layers 1 to 8
constexpr int DirectionTotal = 36; // burst shape sectors of 10 degrees
constexpr int GravityTotal = 3;    // forces 0 to 2
constexpr int SparkEdge = 32;      // spark images are 32 x 32
constexpr int RampCapacity = 256;  // entries of ColorRamp

// When a triggered layer bursts: where a particle of its parent layer dies, or
// where one reaches an age.
enum class TriggerMoment : std::uint8_t { Death, Age };

// A child burst: the layer bursts only where particles of layer Parent die or
// reach Age, centred on the parent particle, its particles taking Inherit
// percent of the parent's velocity. With Split, a parent that reaches Age is
// freed there: it turns into its children.
struct LayerTrigger {
    std::int16_t Parent = 0; // another layer, 1 to 8
    TriggerMoment When = TriggerMoment::Death;
    std::int16_t Age = 1;     // 1 to 255; only for TriggerMoment::Age
    bool Split = false;       // only for TriggerMoment::Age
    std::int16_t Inherit = 0; // 0 to 100

    bool operator==(const LayerTrigger& other) const {
        return Parent == other.Parent && When == other.When && Age == other.Age &&
               Split == other.Split && Inherit == other.Inherit;
    }
    bool operator!=(const LayerTrigger& other) const { return !(*this == other); }
};

// A trail: from its second frame on, a particle is stamped Steps more times
// between where it is and where it was one move earlier, each stamp Fade
// percent of the one before.
struct LayerTrail {
    std::int16_t Steps = 1; // 1 to 8
    std::int16_t Fade = 50; // 1 to 100
    bool operator==(const LayerTrail& other) const {
        return Steps == other.Steps && Fade == other.Fade;
    }
    bool operator!=(const LayerTrail& other) const { return !(*this == other); }
};

// The per-layer fields of one particle layer. Positions, radii and speeds are in
// design units: a 160 x 160 square with its centre at (80, 80).
struct LayerSettings {
    std::uint8_t LayerUse = 0;
    std::int16_t LayerX = 0;
    std::int16_t LayerY = 0;
    std::int16_t LayerCount = 0;
    std::int16_t LayerRadius = 0;
    std::uint8_t LayerMinSpeed = 0;
    std::uint8_t LayerLife = 0;
    std::uint8_t LayerDecel = 0;
    std::array<std::int16_t, DirectionTotal> LayerShape{};
    std::uint8_t LayerBurstMode = 0;
    std::int16_t LayerBurstFrom = 0;
    std::int16_t LayerBurstTo = 0;
    std::int16_t LayerBurstStep = 0;

    // Layer effects, absent unless the layer uses them. Only the JSON form of a
    // design keeps them.
    std::optional<LayerTrigger> Trigger;
    std::optional<LayerTrail> Trail;
    // The layer's own colour ramp, 1 to 256 colours with black first: the layer
    // is stamped into a canvas of its own, coloured through this ramp. Empty:
    // the layer shares the design's canvas and ramp.
    std::vector<common::Colour> Ramp;

    // Whether the layer uses any of the layer effects.
    bool usesEffects() const { return Trigger || Trail || !Ramp.empty(); }

    bool operator==(const LayerSettings& other) const;
    bool operator!=(const LayerSettings& other) const { return !(*this == other); }
};

struct GravityForce {
    std::uint8_t Use = 0;
    float Angle = 0.0f;
    float Power = 0.0f;
};

// How renders of the design run. Only the JSON form of a design keeps these;
// the design files' fixed layout has no room for them.
struct RenderSettings {
    // Loop mode: the strip is one period of an endless animation.
    bool Loop = false;
    // When set, every render starts the random generator here, so that renders
    // are identical; otherwise each render goes on from where the last one left
    // the generator.
    std::optional<std::uint64_t> Seed;

    bool operator==(const RenderSettings& other) const {
        return Loop == other.Loop && Seed == other.Seed;
    }
    bool operator!=(const RenderSettings& other) const { return !(*this == other); }
};

// One 32 x 32 spark image; pixel (x, y) with x from the left and y from the top.
struct SparkBitmap {
    std::array<common::Colour, SparkEdge * SparkEdge> pixels{};

    common::Colour& at(int x, int y) { return pixels[static_cast<std::size_t>(y * SparkEdge + x)]; }
    common::Colour at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * SparkEdge + x)];
    }
};

// The one design the designer edits. A plain record: every window and the render
// engine read and write its fields directly. At process start every field is 0;
// ApplyDefaults then gives the start-up design.
//
// The record holds any value its fields' widths allow, since design files may; the
// editors keep their fields inside their ranges, and the render run checks what
// it relies on.
struct DesignDocument {
    // Animation (render) settings.
    std::uint8_t AfterimageOn = 0;
    std::int16_t Afterimage = 0;
    std::int16_t FrameSize = 0;
    std::int16_t FrameCount = 0;
    std::uint8_t RefreshRate = 0;
    float AddRate = 0.0f;
    std::int16_t WidthLimit = 0;
    // 1 while a render run may go on, 0 once it was cancelled. Never saved.
    std::uint8_t RenderCancel = 0;
    RenderSettings Render;

    // Layers 1 to 8 at indices 0 to 7; use layer(L) to address them by number.
    std::array<LayerSettings, LayerTotal> Layers{};
    std::array<GravityForce, GravityTotal> Gravity{};
    // Spark image slot s belongs to layer s + 1.
    std::array<SparkBitmap, LayerTotal> SparkImage{};
    std::array<common::Colour, RampCapacity> ColorRamp{};
    std::int16_t RampLength = 0;

    LayerSettings& layer(int number) { return Layers[static_cast<std::size_t>(number - 1)]; }
    const LayerSettings& layer(int number) const {
        return Layers[static_cast<std::size_t>(number - 1)];
    }

    // Every stored field, RenderCancel aside (it is run state, not design).
    bool sameDesignAs(const DesignDocument& other) const;
};

// Sets every animation setting but RenderCancel (loop mode off, the seed not
// fixed), every layer and the three gravity
// forces to their start-up defaults. Spark images and the ramp are left alone.
void ApplyDefaults(DesignDocument& document);

// The document side of New: the defaults, all eight spark images black, and a
// ramp of 16 black entries. Entries past 16 keep their values but lie outside
// RampLength. RenderCancel is left alone.
void NewDesign(DesignDocument& document);

} // namespace kirabellum
