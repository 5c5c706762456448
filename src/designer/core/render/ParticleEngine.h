#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"
#include "core/render/Particle.h"
#include "core/render/RenderPreparation.h"

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <vector>

namespace kirabellum {

// What a render run needs of a particle engine. Every engine gives the same
// strip, canvas and pool for the same design and random generator; they differ
// only in how fast they get there. All of them take the design through one
// RenderPreparation and burst on its schedule.
class ParticleEngine {
public:
    static constexpr int PoolSize = 256000;

    virtual ~ParticleEngine() = default;

    // Makes the engine ready to render the design: Scale, free slots, the
    // palette, the spark index maps, scaled gravity, a clear canvas and the
    // bursts of frame 0. Fails with the designer's message when a used layer's
    // spark image holds a colour that is in no palette entry; the palette is
    // built even then. The design is copied: later changes do not reach a run.
    virtual common::Status PrepareRender(const DesignDocument& design) = 0;

    // Frame steps 1 and 2: fades the canvas, stamps and moves every live particle.
    virtual void advanceFrame() = 0;
    // Frame step 3: every canvas pixel of at least 1 in its palette colour, written
    // into `target` with the frame's top-left pixel at `origin`; darker pixels
    // are not written. `target` must be Format_RGB32 and large enough.
    virtual void drawFrame(QImage& target, QPoint origin) const = 0;
    // Frame step 4: the bursts due before frame `frameIndex` + 1.
    void spawnBurstsAfter(int frameIndex);

    // Spawns one burst of the layer into the lowest free slots.
    virtual void Add(int layer) = 0;

    // What the last PrepareRender took from the design.
    virtual const RenderPreparation& preparation() const = 0;

    // Results and state, for the render run, tests and benchmarks.
    int rampLength() const { return preparation().rampLength(); }
    common::Colour paletteColour(int index) const { return preparation().paletteColour(index); }
    float Scale() const { return preparation().Scale(); }
    virtual const std::vector<Particle>& pool() const = 0;
    virtual const std::vector<float>& canvas() const = 0;
    virtual int liveParticles() const = 0;
    // Non-transparent spark pixels visited since PrepareRender: the stamping work.
    virtual std::uint64_t stampedSparkPixels() const = 0;

protected:
    ParticleEngine() = default;
    ParticleEngine(const ParticleEngine&) = default;
    ParticleEngine& operator=(const ParticleEngine&) = default;

    // The last step of PrepareRender: the bursts of frame 0.
    void spawnFirstBursts();
};

} // namespace kirabellum
