#include "core/render/RenderEngine.h"

#include "common/Rounding.h"
#include "core/document/DesignMath.h"
#include "core/render/ParticleSpawn.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

namespace {

constexpr double DesignFrame = 160.0;
constexpr int SparkCentre = 16;
constexpr int DeadPixelCount = SparkEdge * SparkEdge;

} // namespace

RenderEngine::RenderEngine(RandomSource& random)
    : random_(random), ParticlePool(static_cast<std::size_t>(PoolSize)) {}

common::Status RenderEngine::PrepareRender(const DesignDocument& design) {
    design_ = design;
    frameSize_ = std::max<int>(design.FrameSize, 0);
    scale_ = static_cast<float>(design.FrameSize / DesignFrame);
    for (Particle& particle : ParticlePool)
        particle.Layer = 0.0f;
    stampedSparkPixels_ = 0;

    // The palette has one entry more than the ramp: a black entry after it, so a
    // black spark pixel always finds an index even when the ramp holds no black.
    rampLength_ = std::clamp<int>(design.RampLength, 0, RampCapacity);
    for (int index = 0; index < rampLength_; ++index)
        RampPalette[static_cast<std::size_t>(index)] =
            design.ColorRamp[static_cast<std::size_t>(index)];
    RampPalette[static_cast<std::size_t>(rampLength_)] = 0;

    for (int layer = 1; layer <= LayerTotal; ++layer) {
        if (design.layer(layer).LayerUse == 0)
            continue;
        const SparkBitmap& image = design.SparkImage[static_cast<std::size_t>(layer - 1)];
        auto& indexMap = SparkIndexMap[static_cast<std::size_t>(layer - 1)];
        int opaque = 0;
        for (int y = 0; y < SparkEdge; ++y) {
            for (int x = 0; x < SparkEdge; ++x) {
                const auto first = RampPalette.begin();
                const auto last = first + rampLength_ + 1;
                const auto match = std::find(first, last, image.at(x, y));
                if (match == last)
                    return common::Status::failure(sparkColourMessage(layer));
                // Only the low 8 bits are kept: a 256-entry ramp without black
                // gives black the index 256, which becomes 0, transparent.
                const auto index = static_cast<std::uint8_t>((match - first) & 0xFF);
                indexMap[static_cast<std::size_t>(y * SparkEdge + x)] = index;
                opaque += index != 0 ? 1 : 0;
            }
        }
        opaqueSparkPixels_[static_cast<std::size_t>(layer - 1)] = opaque;
    }

    motion_.prepare(design, scale_, frameSize_);

    Canvas.assign(static_cast<std::size_t>(frameSize_) * static_cast<std::size_t>(frameSize_),
                  0.0f);

    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const LayerSettings& settings = design.layer(layer);
        if (settings.LayerUse == 1 &&
            (settings.LayerBurstMode == 0 || settings.LayerBurstFrom == 0))
            Add(layer);
    }
    return common::Status::success();
}

void RenderEngine::Add(int layer) {
    const LayerSettings& settings = design_.layer(layer);
    if (settings.LayerCount <= 0)
        return;
    int spawned = 0;
    for (int slot = 0; slot < PoolSize; ++slot) {
        Particle& particle = ParticlePool[static_cast<std::size_t>(slot)];
        if (particle.Layer != 0.0f)
            continue;
        spawnParticle(particle, slot, layer, settings, scale_, random_);
        if (++spawned == settings.LayerCount)
            return;
    }
}

void RenderEngine::clampToCanvas(float& value) const {
    // The upper limit first, then the lower one: with an empty ramp the limit is
    // -1 and the canvas must still stay at 0. NaN fails both tests and becomes 0.
    const float limit = static_cast<float>(rampLength_ - 1);
    if (value > limit)
        value = limit;
    if (!(value >= 0.0f))
        value = 0.0f;
}

void RenderEngine::advanceFrame() {
    if (design_.AfterimageOn != 0) {
        const double divisor = design_.Afterimage / 10.0;
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
        motion_.move(particle);
    }
}

void RenderEngine::stampParticle(Particle& particle) {
    const int layer = static_cast<int>(common::roundHalfEven(particle.Layer));
    const auto& indexMap = SparkIndexMap[static_cast<std::size_t>(layer - 1)];
    stampedSparkPixels_ +=
        static_cast<std::uint64_t>(opaqueSparkPixels_[static_cast<std::size_t>(layer - 1)]);
    const double addRate = design_.AddRate;
    const double ageFade = particle.Age * static_cast<double>(particle.Fade);
    const double limit = rampLength_ - 1;
    int darkPixels = 0;
    for (int dy = 0; dy < SparkEdge; ++dy) {
        for (int dx = 0; dx < SparkEdge; ++dx) {
            const int value = indexMap[static_cast<std::size_t>(dy * SparkEdge + dx)];
            if (value == 0) {
                ++darkPixels;
                continue;
            }
            const double px = common::roundHalfEven(dx + static_cast<double>(particle.X) - SparkCentre);
            const double py = common::roundHalfEven(static_cast<double>(particle.Y) + dy - SparkCentre);
            double intensity = common::roundHalfEven(value - ageFade);
            // Written so that NaN positions count as outside the frame.
            const bool inside = px >= 0 && px < frameSize_ && py >= 0 && py < frameSize_;
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
                Canvas[static_cast<std::size_t>(py) * static_cast<std::size_t>(frameSize_) +
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
    for (int y = 0; y < frameSize_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(origin.y() + y)) + origin.x();
        const float* values = Canvas.data() + static_cast<std::ptrdiff_t>(y) * frameSize_;
        for (int x = 0; x < frameSize_; ++x) {
            const auto index = static_cast<int>(std::floor(values[x]));
            if (index > 0)
                line[x] = common::colourToRgb(RampPalette[static_cast<std::size_t>(index)]);
        }
    }
}

void RenderEngine::spawnBurstsAfter(int frameIndex) {
    const int nextFrame = frameIndex + 1;
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const LayerSettings& settings = design_.layer(layer);
        const int step = std::max<int>(settings.LayerBurstStep, 1);
        // The step test looks at this frame, the range test at the next one.
        if (settings.LayerBurstMode == 1 && settings.LayerUse == 1 && frameIndex % step == 0 &&
            settings.LayerBurstFrom <= nextFrame && nextFrame <= settings.LayerBurstTo)
            Add(layer);
    }
}

int RenderEngine::liveParticles() const {
    return static_cast<int>(std::count_if(ParticlePool.begin(), ParticlePool.end(),
                                          [](const Particle& p) { return p.Layer != 0.0f; }));
}

} // namespace kirabellum
