#pragma once

#include "document/DesignDocument.h"
#include "document/Status.h"
#include "render/Particle.h"
#include "render/RandomSource.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace kirabellum {

// The particle engine: spawns the bursts of the used layers into a fixed pool,
// moves the particles under deceleration and the three gravity forces, stamps
// their spark images additively into a float intensity canvas that fades from
// frame to frame, and turns the canvas into frame pixels through the colour ramp.
//
// This is the straightforward engine: every frame visits every pool slot and
// every spark pixel of every live particle, in the order the arithmetic is
// defined in, so that it can serve as the reference for faster engines.
//
// Arithmetic: intermediates in double, stores into 32-bit floats where the
// particle field is one, rounding half to even, DegToRad for every angle.
//
// Values only a design file can bring are given a defined meaning instead of
// undefined arithmetic:
// - LayerCount of 0 or less spawns nothing;
// - LayerBurstStep of 0 or less counts as 1 (a burst on every frame of the range);
// - an Afterimage below 10 would brighten the canvas; the faded canvas is held to
//   the ramp like every other canvas value (and a NaN canvas value counts as 0);
// - NaN or infinite positions (from NaN gravity, say) lie outside the frame;
//   NaN additions count as 0 and infinite ones are clamped like the rest.
class RenderEngine {
public:
    static constexpr int PoolSize = 256000;

    // The pool and its slots are allocated here, once; renders reuse them.
    explicit RenderEngine(RandomSource& random);

    // Makes the engine ready to render the design: Scale, free slots, the
    // palette, the spark index maps, scaled gravity, a clear canvas and the
    // bursts of frame 0. Fails with the designer's message when a used layer's
    // spark image holds a colour that is in no palette entry; the palette is
    // built even then. The design is copied: later changes do not reach a run.
    Status PrepareRender(const DesignDocument& design);

    // Frame steps 1 and 2: fades the canvas, stamps and moves every live particle.
    void advanceFrame();
    // Frame step 3: every canvas pixel of at least 1 in its palette colour, written
    // into `target` with the frame's top-left pixel at `origin`; darker pixels
    // are not written. `target` must be Format_RGB32 and large enough.
    void drawFrame(QImage& target, QPoint origin) const;
    // Frame step 4: the bursts due before frame `frameIndex` + 1.
    void spawnBurstsAfter(int frameIndex);

    // Spawns one burst of the layer into the lowest free slots.
    void Add(int layer);

    // Results and state, for the render run, tests and benchmarks.
    int rampLength() const { return rampLength_; }
    Colour paletteColour(int index) const { return RampPalette[static_cast<std::size_t>(index)]; }
    float Scale() const { return scale_; }
    const std::vector<Particle>& pool() const { return ParticlePool; }
    const std::vector<float>& canvas() const { return Canvas; }
    int liveParticles() const;
    // Non-transparent spark pixels visited since PrepareRender: the stamping work.
    std::uint64_t stampedSparkPixels() const { return stampedSparkPixels_; }

private:
    void stampParticle(Particle& particle);
    void moveParticle(Particle& particle) const;
    void clampToCanvas(float& value) const;

    RandomSource& random_;
    DesignDocument design_;
    std::vector<Particle> ParticlePool;
    std::vector<float> Canvas;
    std::array<Colour, RampCapacity + 1> RampPalette{};
    // Ramp index (low 8 bits) of each spark pixel of layers 1 to 8; 0 is transparent.
    std::array<std::array<std::uint8_t, SparkEdge * SparkEdge>, LayerTotal> SparkIndexMap{};
    std::array<int, LayerTotal> opaqueSparkPixels_{};
    std::array<GravityForce, GravityTotal> ScaledGravity{};
    float scale_ = 0.0f;
    int rampLength_ = 0;
    int frameSize_ = 0;
    std::uint64_t stampedSparkPixels_ = 0;
};

// The message shown when a used layer's spark image holds a colour outside the
// ramp: the layer number directly followed by the fixed text.
QString sparkColourMessage(int layer);

} // namespace kirabellum
