#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"
#include "core/render/Particle.h"
#include "core/render/ParticleEngine.h"
#include "core/render/RandomSource.h"
#include "core/render/RenderPreparation.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace kirabellum {

// The particle engine: spawns the bursts of the used layers into a fixed pool,
// moves the particles under deceleration and the three gravity forces, stamps
// their spark images additively into a float intensity canvas that fades from
// frame to frame, and turns the canvas into frame pixels through the colour ramp.
// Layers with ramps of their own have canvases of their own; particles of layers
// with trails are stamped again along their last move; triggered layers burst
// where their parents' particles die or reach an age.
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
class RenderEngine : public ParticleEngine {
public:
    // The pool and its slots are allocated here, once; renders reuse them.
    explicit RenderEngine(RandomSource& random);

    common::Status PrepareRender(const DesignDocument& design) override;
    void releaseWorkingMemory() override;
    void advanceFrame() override;
    void drawFrame(QImage& target, QPoint origin) const override;
    void Add(int layer) override;
    void addTriggeredBursts(const TriggeredBurst* bursts, int count, bool seeded) override;
    void packLiveParticles() override;

    const RenderPreparation& preparation() const override { return preparation_; }
    const std::vector<Particle>& pool() const override { return ParticlePool; }
    const std::vector<float>& canvas() const override { return Canvas; }
    int liveParticles() const override;
    std::uint64_t stampedSparkPixels() const override { return stampedSparkPixels_; }

private:
    // Spawns one burst of the layer into the lowest free slots, drawing from
    // `random`, around `parent` when a trigger fired it.
    void spawnBurst(int layer, const TriggeredBurst* parent, RandomSource& random);
    void fadeCanvases();
    // Stamps the particle and its trail; returns whether its own stamp was dark
    // all over, which frees it.
    bool stampParticle(const Particle& particle);
    // Adds the particle's spark at (x, y) with every intensity weighted by
    // `weight`, into its layer's canvas; returns the spark pixels that added
    // nothing (transparent or dark).
    int stampSpark(const Particle& particle, int layer, double x, double y, double weight);
    void clampToCanvas(float& value, int canvas) const;

    RenderPreparation preparation_;
    std::vector<Particle> ParticlePool;
    std::vector<float> Canvas;
    std::uint64_t stampedSparkPixels_ = 0;
};

} // namespace kirabellum
