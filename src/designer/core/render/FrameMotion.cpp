#include "core/render/FrameMotion.h"

#include "common/Rounding.h"
#include "core/render/SparkStampPixels.h"

#include <algorithm>
#include <array>
#include <cmath>

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

// Where a particle about to be stamped will be stamped `frameStep` frames
// later, less where it is now, in pixels with y down. The particle moves as the
// engines move it; once a frame's stamping would free it (its whole spark
// dark, which `brightest`, its spark's highest ramp index, decides) or a split
// trigger frees it in a move, it goes on with the move after its last stamp,
// once per frame.
struct Displacement {
    double dx = 0.0;
    double dy = 0.0;
};

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

// Where no stamp adds: the sweeps back towards where the sparks came from
// count for this share of the sweeps ahead. Tuned with bench/flipbook_quality:
// behind a spark lies its own afterimage, which stands still.
constexpr double BackwardSweepWeight = 0.125;

// The sums of what stamps add to each pixel, and of that times their
// displacements.
struct WeightedMotion {
    explicit WeightedMotion(std::size_t area) : weight(area, 0.0), dx(area, 0.0), dy(area, 0.0) {}

    void add(std::size_t pixel, double amount, const Displacement& moved) {
        weight[pixel] += amount;
        dx[pixel] += amount * moved.dx;
        dy[pixel] += amount * moved.dy;
    }

    std::vector<double> weight;
    std::vector<double> dx;
    std::vector<double> dy;
};

// The positions a stamp is swept through each way: at most a pixel apart, and
// no more than the frame is wide (a spark that leaves the frame sweeps in
// larger steps); none for a still particle or a position that is no number.
int sweepSteps(const Displacement& moved, int frameSize) {
    const double distance = std::max(std::abs(moved.dx), std::abs(moved.dy));
    if (!(distance > 0))
        return 0;
    return distance >= frameSize ? frameSize : static_cast<int>(std::ceil(distance));
}

// The afterimage at the pixel, which stands still: what the canvases held
// after the frame before, when the design keeps an afterimage.
double afterimageAt(const std::vector<float>& canvas, std::size_t pixel, std::size_t area,
                    const RenderPreparation& preparation) {
    if (preparation.design().AfterimageOn == 0)
        return 0.0;
    double held = 0.0;
    for (std::size_t at = pixel; at < canvas.size(); at += area)
        if (canvas[at] > 0)
            held += static_cast<double>(canvas[at]);
    return held;
}

} // namespace

common::MotionVectorFrame measureFrameMotion(const std::vector<Particle>& pool,
                                             const std::vector<float>& canvas,
                                             const RenderPreparation& preparation, int frameStep) {
    const int frameSize = preparation.frameSize();
    const auto area = static_cast<std::size_t>(frameSize) * static_cast<std::size_t>(frameSize);
    WeightedMotion stamped(area);
    WeightedMotion swept(area);
    const std::array<int, LayerTotal> brightest = brightestIndices(preparation);
    const double addRate = preparation.design().AddRate;

    for (const Particle& particle : pool) {
        if (particle.Layer == 0.0f)
            continue;
        const int layer = layerOf(particle);
        const Displacement moved = displacementOf(particle, preparation, frameStep,
                                                  brightest[static_cast<std::size_t>(layer - 1)]);
        const double ageFade = particle.Age * static_cast<double>(particle.Fade);
        const auto addStampAt = [&](WeightedMotion& sums, double x, double y, double weight) {
            visitStampPixels(preparation.sparkIndexMap(layer), x, y, ageFade, frameSize,
                             [&](bool inside, std::size_t pixel, double intensity) {
                                 if (inside && intensity >= 1)
                                     sums.add(pixel, intensity * weight * addRate, moved);
                             });
        };
        const auto addStamp = [&](double x, double y, double weight) {
            addStampAt(stamped, x, y, weight);
            const int steps = sweepSteps(moved, frameSize);
            for (int step = -steps; step <= steps; ++step) {
                if (step == 0)
                    continue;
                const double along = static_cast<double>(step) / steps;
                addStampAt(swept, x + along * moved.dx, y + along * moved.dy,
                           step > 0 ? weight : weight * BackwardSweepWeight);
            }
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
        const bool underStamps = stamped.weight[pixel] > 0;
        const WeightedMotion& sums = underStamps ? stamped : swept;
        if (!(sums.weight[pixel] > 0))
            continue;
        const double still = underStamps ? 0.0 : afterimageAt(canvas, pixel, area, preparation);
        frame.dx[pixel] = static_cast<float>(sums.dx[pixel] / (sums.weight[pixel] + still));
        frame.dy[pixel] = static_cast<float>(sums.dy[pixel] / (sums.weight[pixel] + still));
    }
    return frame;
}

} // namespace kirabellum
