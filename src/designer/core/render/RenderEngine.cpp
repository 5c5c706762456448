#include "core/render/RenderEngine.h"

#include "common/Rounding.h"
#include "core/render/ParticleSpawn.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

namespace {

constexpr int DeadPixelCount = SparkEdge * SparkEdge;

} // namespace

RenderEngine::RenderEngine(RandomSource& random)
    : ParticleEngine(random), ParticlePool(static_cast<std::size_t>(PoolSize)) {}

common::Status RenderEngine::PrepareRender(const DesignDocument& design) {
    for (Particle& particle : ParticlePool)
        particle.Layer = 0.0f;
    stampedSparkPixels_ = 0;
    const common::Status status = preparation_.prepare(design);
    if (!status.ok())
        return status;
    const auto frameSize = static_cast<std::size_t>(preparation_.frameSize());
    Canvas.assign(frameSize * frameSize, 0.0f);
    spawnFirstBursts();
    return common::Status::success();
}

void RenderEngine::Add(int layer) {
    const LayerSettings& settings = preparation_.layer(layer);
    if (settings.LayerCount <= 0)
        return;
    int spawned = 0;
    for (int slot = 0; slot < PoolSize; ++slot) {
        Particle& particle = ParticlePool[static_cast<std::size_t>(slot)];
        if (particle.Layer != 0.0f)
            continue;
        spawnParticle(particle, slot, layer, settings, preparation_.Scale(), *random_);
        if (++spawned == settings.LayerCount)
            return;
    }
}

void RenderEngine::clampToCanvas(float& value) const {
    // The upper limit first, then the lower one: with an empty ramp the limit is
    // -1 and the canvas must still stay at 0. NaN fails both tests and becomes 0.
    const float limit = static_cast<float>(preparation_.rampLength() - 1);
    if (value > limit)
        value = limit;
    if (!(value >= 0.0f))
        value = 0.0f;
}

void RenderEngine::advanceFrame() {
    const DesignDocument& design = preparation_.design();
    if (design.AfterimageOn != 0) {
        const double divisor = design.Afterimage / 10.0;
        // Afterimages of 10 to 100 divide by at least 1: the canvas stays within
        // the ramp. Only smaller values from a file need holding to it.
        const bool mayLeaveRamp = !(divisor >= 1.0);
        for (float& value : Canvas) {
            value = static_cast<float>(value / divisor);
            if (mayLeaveRamp)
                clampToCanvas(value);
        }
    } else {
        std::fill(Canvas.begin(), Canvas.end(), 0.0f);
    }

    for (Particle& particle : ParticlePool) {
        if (particle.Layer == 0.0f)
            continue;
        stampParticle(particle);
        preparation_.motion().move(particle);
    }
}

void RenderEngine::stampParticle(Particle& particle) {
    const int layer = static_cast<int>(common::roundHalfEven(particle.Layer));
    const RenderPreparation::SparkIndices& indexMap = preparation_.sparkIndexMap(layer);
    const int frameSize = preparation_.frameSize();
    const double addRate = preparation_.design().AddRate;
    const double ageFade = particle.Age * static_cast<double>(particle.Fade);
    const double limit = preparation_.rampLength() - 1;
    int darkPixels = 0;
    for (int dy = 0; dy < SparkEdge; ++dy) {
        for (int dx = 0; dx < SparkEdge; ++dx) {
            const int value = indexMap[static_cast<std::size_t>(dy * SparkEdge + dx)];
            if (value == 0) {
                ++darkPixels;
                continue;
            }
            ++stampedSparkPixels_;
            const double px =
                common::roundHalfEven(dx + static_cast<double>(particle.X) - SparkCentre);
            const double py =
                common::roundHalfEven(static_cast<double>(particle.Y) + dy - SparkCentre);
            double intensity = common::roundHalfEven(value - ageFade);
            // Written so that NaN positions count as outside the frame.
            const bool inside = px >= 0 && px < frameSize && py >= 0 && py < frameSize;
            if (!inside) {
                if (intensity < 1)
                    ++darkPixels;
                continue;
            }
            if (intensity < 1) {
                ++darkPixels;
                intensity = 0;
            }
            float& cell =
                Canvas[static_cast<std::size_t>(py) * static_cast<std::size_t>(frameSize) +
                       static_cast<std::size_t>(px)];
            double sum = cell + intensity * addRate;
            if (sum > limit)
                sum = limit;
            if (!(sum >= 0))
                sum = 0;
            cell = static_cast<float>(sum);
        }
    }
    if (darkPixels == DeadPixelCount)
        particle.Layer = 0.0f;
}

void RenderEngine::drawFrame(QImage& target, QPoint origin) const {
    const int frameSize = preparation_.frameSize();
    for (int y = 0; y < frameSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(origin.y() + y)) + origin.x();
        const float* values = Canvas.data() + static_cast<std::ptrdiff_t>(y) * frameSize;
        for (int x = 0; x < frameSize; ++x) {
            const auto index = static_cast<int>(std::floor(values[x]));
            if (index > 0)
                line[x] = preparation_.paletteRgb(index);
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
