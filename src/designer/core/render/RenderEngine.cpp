#include "core/render/RenderEngine.h"

#include "common/Rounding.h"
#include "core/render/ParticleSpawn.h"
#include "core/render/SparkStampPixels.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

namespace {

constexpr int DeadPixelCount = SparkEdge * SparkEdge;

} // namespace

RenderEngine::RenderEngine(RandomSource& random)
    : ParticleEngine(random), ParticlePool(static_cast<std::size_t>(PoolSize)) {}

void RenderEngine::releaseWorkingMemory() {
    // Swapped with an empty one: clearing would keep the memory.
    std::vector<Particle>().swap(ParticlePool);
}

common::Status RenderEngine::PrepareRender(const DesignDocument& design) {
    ParticlePool.resize(static_cast<std::size_t>(PoolSize));
    for (Particle& particle : ParticlePool)
        particle.Layer = 0.0f;
    stampedSparkPixels_ = 0;
    const common::Status status = preparation_.prepare(design);
    if (!status.ok())
        return status;
    const auto frameSize = static_cast<std::size_t>(preparation_.frameSize());
    Canvas.assign(frameSize * frameSize * static_cast<std::size_t>(preparation_.canvasCount()),
                  0.0f);
    spawnFirstBursts();
    return common::Status::success();
}

void RenderEngine::Add(int layer) {
    spawnBurst(layer, nullptr, *random_);
}

void RenderEngine::addTriggeredBursts(const TriggeredBurst* bursts, int count, bool seeded) {
    for (int index = 0; index < count; ++index) {
        RandomSource own(bursts[index].seed);
        spawnBurst(bursts[index].layer, &bursts[index], seeded ? own : *random_);
    }
}

void RenderEngine::spawnBurst(int layer, const TriggeredBurst* parent, RandomSource& random) {
    const LayerSettings& settings = preparation_.layer(layer);
    if (settings.LayerCount <= 0)
        return;
    int spawned = 0;
    for (int slot = 0; slot < PoolSize; ++slot) {
        Particle& particle = ParticlePool[static_cast<std::size_t>(slot)];
        if (particle.Layer != 0.0f)
            continue;
        spawnParticle(particle, slot, layer, settings, preparation_.Scale(), random, parent);
        if (++spawned == settings.LayerCount)
            return;
    }
}

void RenderEngine::clampToCanvas(float& value, int canvas) const {
    // The upper limit first, then the lower one: with an empty ramp the limit is
    // -1 and the canvas must still stay at 0. NaN fails both tests and becomes 0.
    const float limit = static_cast<float>(preparation_.canvasRampLength(canvas) - 1);
    if (value > limit)
        value = limit;
    if (!(value >= 0.0f))
        value = 0.0f;
}

void RenderEngine::fadeCanvases() {
    const DesignDocument& design = preparation_.design();
    if (design.AfterimageOn == 0) {
        std::fill(Canvas.begin(), Canvas.end(), 0.0f);
        return;
    }
    const double divisor = design.Afterimage / 10.0;
    // Afterimages of 10 to 100 divide by at least 1: the canvases stay within
    // their ramps. Only smaller values from a file need holding to them.
    const bool mayLeaveRamp = !(divisor >= 1.0);
    const std::size_t area = static_cast<std::size_t>(preparation_.frameSize()) *
                             static_cast<std::size_t>(preparation_.frameSize());
    for (std::size_t index = 0; index < Canvas.size(); ++index) {
        float& value = Canvas[index];
        value = static_cast<float>(value / divisor);
        if (mayLeaveRamp)
            clampToCanvas(value, static_cast<int>(index / area));
    }
}

void RenderEngine::advanceFrame() {
    fadeCanvases();
    for (Particle& particle : ParticlePool) {
        if (particle.Layer == 0.0f)
            continue;
        const int layer = static_cast<int>(common::roundHalfEven(particle.Layer));
        const bool freed = stampParticle(particle);
        if (freed)
            particle.Layer = 0.0f;
        if (preparation_.trailSteps(layer) > 0) {
            particle.PreviousX = particle.X;
            particle.PreviousY = particle.Y;
        }
        // A particle freed by its stamp still moves: its children burst from
        // where the move takes it.
        preparation_.motion().move(particle);
        if (collectTriggers(particle, layer, freed, triggered_))
            particle.Layer = 0.0f;
    }
}

bool RenderEngine::stampParticle(const Particle& particle) {
    const int layer = static_cast<int>(common::roundHalfEven(particle.Layer));
    const int darkPixels = stampSpark(particle, layer, particle.X, particle.Y, 1.0);
    // From its second frame on, the trail: stamps spaced evenly from the
    // particle back towards where it was one move earlier, each fainter.
    const int steps = preparation_.trailSteps(layer);
    if (steps > 0 && particle.Age >= 1) {
        double weight = 1.0;
        for (int step = 1; step <= steps; ++step) {
            const float x = trailCoordinate(particle.X, particle.PreviousX, step, steps);
            const float y = trailCoordinate(particle.Y, particle.PreviousY, step, steps);
            weight = weight * preparation_.trailFade(layer);
            stampSpark(particle, layer, x, y, weight);
        }
    }
    return darkPixels == DeadPixelCount;
}

int RenderEngine::stampSpark(const Particle& particle, int layer, double x, double y,
                             double weight) {
    const int frameSize = preparation_.frameSize();
    const int canvas = preparation_.canvasOf(layer);
    float* const canvasValues =
        Canvas.data() + static_cast<std::ptrdiff_t>(canvas) * frameSize * frameSize;
    const double addRate = preparation_.design().AddRate;
    const double ageFade = particle.Age * static_cast<double>(particle.Fade);
    const double limit = preparation_.canvasRampLength(canvas) - 1;
    int darkPixels = 0;
    const int opaquePixels =
        visitStampPixels(preparation_.sparkIndexMap(layer), x, y, ageFade, frameSize,
                         [&](bool inside, std::size_t pixel, double intensity) {
                             if (intensity < 1) {
                                 ++darkPixels;
                                 intensity = 0;
                             }
                             if (!inside)
                                 return;
                             float& cell = canvasValues[pixel];
                             double sum = cell + intensity * weight * addRate;
                             if (sum > limit)
                                 sum = limit;
                             if (!(sum >= 0))
                                 sum = 0;
                             cell = static_cast<float>(sum);
                         });
    stampedSparkPixels_ += static_cast<std::uint64_t>(opaquePixels);
    // Transparent pixels count as dark.
    return darkPixels + DeadPixelCount - opaquePixels;
}

void RenderEngine::drawFrame(QImage& target, QPoint origin) const {
    const int frameSize = preparation_.frameSize();
    const std::ptrdiff_t area = static_cast<std::ptrdiff_t>(frameSize) * frameSize;
    for (int y = 0; y < frameSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(origin.y() + y)) + origin.x();
        for (int x = 0; x < frameSize; ++x) {
            const std::ptrdiff_t pixel = static_cast<std::ptrdiff_t>(y) * frameSize + x;
            const auto index =
                static_cast<int>(std::floor(Canvas[static_cast<std::size_t>(pixel)]));
            if (index > 0)
                line[x] = preparation_.paletteRgb(index);
            // The layers' own canvases add their colours to what is there.
            for (int canvas = 1; canvas < preparation_.canvasCount(); ++canvas) {
                const auto own = static_cast<int>(
                    std::floor(Canvas[static_cast<std::size_t>(canvas * area + pixel)]));
                if (own > 0)
                    line[x] = common::addChannels(line[x], preparation_.canvasRgb(canvas, own));
            }
        }
    }
}

void RenderEngine::packLiveParticles() {
    packLive(ParticlePool);
}

int RenderEngine::liveParticles() const {
    return static_cast<int>(std::count_if(ParticlePool.begin(), ParticlePool.end(),
                                          [](const Particle& p) { return p.Layer != 0.0f; }));
}

} // namespace kirabellum
