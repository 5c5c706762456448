#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"
#include "core/render/Particle.h"
#include "core/render/RandomSource.h"
#include "core/render/RenderPreparation.h"
#include "core/render/TriggeredBurst.h"

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
    // Frees the particle pool and every buffer sized by it (tens of
    // megabytes) once a render is done; the next PrepareRender makes them
    // anew. Until then only the preparation may be asked for.
    virtual void releaseWorkingMemory() = 0;

    // Frame steps 1 and 2: fades the canvases, stamps and moves every live
    // particle, and collects the bursts that triggers fire in the frame.
    virtual void advanceFrame() = 0;
    // Frame step 3: every pixel of the design's canvas of at least 1 in its
    // palette colour, written into `target` with the frame's top-left pixel at
    // `origin`; darker pixels are not written. With canvases of layers' own
    // ramps, each pixel then becomes what was written or left there plus, channel
    // by channel, the palette colour of each of those canvases, each sum held to
    // 255. `target` must be Format_RGB32 and large enough.
    virtual void drawFrame(QImage& target, QPoint origin) const = 0;
    // Frame steps 1 to 3: advanceFrame() and then drawFrame(target, origin).
    virtual void advanceAndDrawFrame(QImage& target, QPoint origin) {
        advanceFrame();
        drawFrame(target, origin);
    }
    // Frame step 4: the bursts due before frame `frameIndex` + 1, and then the
    // bursts the triggers of frame `frameIndex` fired, in the order they were
    // collected. In loop mode each triggered burst draws from the generator
    // started at burstSeed(seed ^ its parentKey, its layer, frame within the
    // period), so that a parent bursts the same children in every period, whatever
    // else fires in its frame: a burst's draws depending on the bursts before it
    // could keep the state from ever repeating.
    void spawnBurstsAfter(int frameIndex);
    // Frame steps 1, 2 and 4: advanceFrame() and then spawnBurstsAfter(frameIndex).
    // An engine may spawn while it still stamps: spawning reads and changes
    // nothing that stamping does.
    virtual void advanceAndSpawn(int frameIndex) {
        advanceFrame();
        spawnBurstsAfter(frameIndex);
    }
    // Frame steps 1 to 4: advanceAndDrawFrame(target, origin) and then
    // spawnBurstsAfter(frameIndex), likewise.
    virtual void advanceDrawAndSpawn(QImage& target, QPoint origin, int frameIndex) {
        advanceAndDrawFrame(target, origin);
        spawnBurstsAfter(frameIndex);
    }

    // Loop mode, from the next PrepareRender on: the burst schedule repeats
    // every `period` frames (a layer bursts before frame t when it bursts before
    // frame t mod period of a normal render), and every scheduled burst starts
    // the random generator at burstSeed(seed, layer, frame within the period),
    // so every period bursts the same particles (triggered bursts: see
    // spawnBurstsAfter). A period of 0 is the normal mode.
    void setLoop(int period, std::uint64_t seed) {
        loopPeriod_ = period;
        loopSeed_ = seed;
    }
    static std::uint64_t burstSeed(std::uint64_t seed, int layer, int frameInPeriod);
    // What decides every frame that follows: the live particles in their slots
    // and the canvases. Two equal states, bit for bit, go on alike.
    struct State {
        std::vector<int> slots;
        std::vector<Particle> particles;
        std::vector<float> canvas;

        bool operator==(const State& other) const;
    };
    State state() const;

    // Spawns one burst of the layer into the lowest free slots.
    virtual void Add(int layer) = 0;
    // Spawns one burst of each of the `count` layers, first to last, as Add for
    // each in turn does; an engine may spawn them all at once.
    virtual void addBursts(const int* layers, int count);
    // Spawns the triggered bursts, first to last, each into the lowest free
    // slots. `seeded`: each burst's particles take their draws from the
    // generator started at the burst's seed, and the shared generator is left
    // as it is.
    virtual void addTriggeredBursts(const TriggeredBurst* bursts, int count, bool seeded) = 0;

    // What the last PrepareRender took from the design.
    virtual const RenderPreparation& preparation() const = 0;

    // Results and state, for the render run, tests and benchmarks.
    int rampLength() const { return preparation().rampLength(); }
    common::Colour paletteColour(int index) const { return preparation().paletteColour(index); }
    float Scale() const { return preparation().Scale(); }
    virtual const std::vector<Particle>& pool() const = 0;
    // The canvases one after the other, each frameSize × frameSize values:
    // canvas 0 is the design's (see RenderPreparation).
    virtual const std::vector<float>& canvas() const = 0;
    virtual int liveParticles() const = 0;
    // Non-transparent spark pixels visited since PrepareRender: the stamping work.
    virtual std::uint64_t stampedSparkPixels() const = 0;

protected:
    explicit ParticleEngine(RandomSource& random) : random_(&random) {}
    ParticleEngine(const ParticleEngine&) = default;
    ParticleEngine& operator=(const ParticleEngine&) = default;

    // The last step of PrepareRender: the bursts of frame 0.
    void spawnFirstBursts();

    // After a particle of layer `layer` moved: adds the bursts its triggers fire
    // in this frame to `fired`, in ascending child layer order. `freed` says
    // whether this frame's stamping freed it. Returns whether it splits: the
    // caller then frees it.
    bool collectTriggers(const Particle& moved, int layer, bool freed,
                         std::vector<TriggeredBurst>& fired) const;
    // The bursts triggers fired in the frame just advanced, in slot order of
    // their parents.
    std::vector<TriggeredBurst> triggered_;

    // Loop mode, at the start of every period: moves the live particles to the
    // lowest slots in the order they were spawned (oldest first; of one age,
    // by layer and then by slot), so that every period starts from the same
    // slots and stamps in the same order.
    virtual void packLiveParticles() = 0;
    // That move, on a pool; returns the number of live particles.
    static int packLive(std::vector<Particle>& pool);

    // The generator that spawning draws from.
    RandomSource* random_;

private:
    // Loop mode: the bursts due before frame `frame` (counted from the start).
    void spawnLoopBursts(int frame);

    int loopPeriod_ = 0;
    std::uint64_t loopSeed_ = 0;
};

} // namespace kirabellum
