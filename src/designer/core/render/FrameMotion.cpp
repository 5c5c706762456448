#include "core/render/FrameMotion.h"

#include "common/Rounding.h"
#include "core/render/SparkStampPixels.h"

#include <algorithm>
#include <array>

namespace kirabellum {

namespace {

// The highest ramp index of each layer's spark: a stamp is dark all over once
// this one is.
std::array<int, LayerTotal> brightestIndices(const RenderPreparation& preparation) {
    std::array<int, LayerTotal> brightest{};
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const RenderPreparation::SparkIndices& indices = preparation.sparkIndexMap(layer);
        brightest[static_cast<std::size_t>(layer - 1)] =
            *std::max_element(indices.begin(), indices.end());
    }
    return brightest;
}

int layerOf(const Particle& particle) {
    return static_cast<int>(common::roundHalfEven(particle.Layer));
}

// Whether the particle's own stamp is dark all over: no spark pixel reaches an
// intensity of 1 (a spark without opaque pixels is always dark).
bool stampIsDark(const Particle& particle, int brightest) {
    const double ageFade = particle.Age * static_cast<double>(particle.Fade);
    return brightest == 0 || common::roundHalfEven(brightest - ageFade) < 1;
}

// Whether a move that brought the particle to its age freed it into its children.
bool splitsAt(const Particle& moved, const RenderPreparation& preparation, int layer) {
    for (const ChildTrigger& trigger : preparation.childTriggers(layer))
        if (trigger.when == TriggerMoment::Age && trigger.split && moved.Age == trigger.age)
            return true;
    return false;
}

Displacement displacementOf(const Particle& particle, const RenderPreparation& preparation,
                            int frameStep, int brightest) {
    const int layer = layerOf(particle);
    Particle moving = particle;
    for (int step = 0; step < frameStep; ++step) {
        const bool freed = stampIsDark(moving, brightest);
        const Particle before = moving;
        preparation.motion().move(moving);
        if (freed || splitsAt(moving, preparation, layer)) {
            // Not stamped again: it goes on with this move, once per frame.
            const int framesLeft = frameStep - 1 - step;
            const double moveX = static_cast<double>(moving.X) - before.X;
            const double moveY = static_cast<double>(moving.Y) - before.Y;
            return {moving.X + moveX * framesLeft - particle.X,
                    moving.Y + moveY * framesLeft - particle.Y};
        }
    }
    return {static_cast<double>(moving.X) - particle.X, static_cast<double>(moving.Y) - particle.Y};
}

} // namespace

Displacement displacementOf(const Particle& particle, const RenderPreparation& preparation,
                            int frameStep) {
    const int layer = layerOf(particle);
    return displacementOf(particle, preparation, frameStep,
                          brightestIndices(preparation)[static_cast<std::size_t>(layer - 1)]);
}

common::MotionVectorFrame measureFrameMotion(const std::vector<Particle>& pool,
                                             const RenderPreparation& preparation, int frameStep) {
    const int frameSize = preparation.frameSize();
    const auto area = static_cast<std::size_t>(frameSize) * static_cast<std::size_t>(frameSize);
    std::vector<double> added(area, 0.0);
    std::vector<double> movedX(area, 0.0);
    std::vector<double> movedY(area, 0.0);
    const std::array<int, LayerTotal> brightest = brightestIndices(preparation);
    const double addRate = preparation.design().AddRate;

    for (const Particle& particle : pool) {
        if (particle.Layer == 0.0f)
            continue;
        const int layer = layerOf(particle);
        const Displacement moved = displacementOf(particle, preparation, frameStep,
                                                  brightest[static_cast<std::size_t>(layer - 1)]);
        const double ageFade = particle.Age * static_cast<double>(particle.Fade);
        const auto addStamp = [&](double x, double y, double weight) {
            visitStampPixels(preparation.sparkIndexMap(layer), x, y, ageFade, frameSize,
                             [&](bool inside, std::size_t pixel, double intensity) {
                                 if (!inside || intensity < 1)
                                     return;
                                 const double amount = intensity * weight * addRate;
                                 added[pixel] += amount;
                                 movedX[pixel] += amount * moved.dx;
                                 movedY[pixel] += amount * moved.dy;
                             });
        };
        addStamp(particle.X, particle.Y, 1.0);
        // The trail, placed and weighted as the engines stamp it.
        const int steps = preparation.trailSteps(layer);
        if (steps > 0 && particle.Age >= 1) {
            double weight = 1.0;
            for (int step = 1; step <= steps; ++step) {
                weight = weight * preparation.trailFade(layer);
                addStamp(trailCoordinate(particle.X, particle.PreviousX, step, steps),
                         trailCoordinate(particle.Y, particle.PreviousY, step, steps), weight);
            }
        }
    }

    common::MotionVectorFrame frame;
    frame.size = frameSize;
    frame.dx.assign(area, 0.0f);
    frame.dy.assign(area, 0.0f);
    for (std::size_t pixel = 0; pixel < area; ++pixel) {
        if (added[pixel] > 0) {
            frame.dx[pixel] = static_cast<float>(movedX[pixel] / added[pixel]);
            frame.dy[pixel] = static_cast<float>(movedY[pixel] / added[pixel]);
        }
    }
    return frame;
}

} // namespace kirabellum
