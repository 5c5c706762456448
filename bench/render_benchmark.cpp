// Renders the heavy design with the reference engine and with the fast engine on
// one and on two threads (and on all cores, when there are more), checks that
// every strip equals the reference's, and prints how fast each engine draws:
// seconds per frame, the speed-up over the reference, non-transparent spark
// pixels stamped per second per core, and how much a second thread gives. Then
// times frames without live particles.
//
// Usage: render_benchmark [FRAMES]   (FRAMES shortens the render, e.g. for callgrind)
#include "HeavyDesign.h"
#include "core/render/FastRenderEngine.h"
#include "core/render/RenderRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace kirabellum;
using Clock = std::chrono::steady_clock;

struct Measurement {
    std::string name;
    int threads = 1;
    double secondsPerFrame = 0.0;
    double stampedPixels = 0.0;
    QImage strip;
};

Measurement renderHeavy(const DesignDocument& design, EngineKind kind, int threads,
                        const char* name) {
    RandomSource random(0);
    RenderRun run(random, kind, threads);
    const common::Status status = run.PrepareRender(design);
    if (!status.ok()) {
        std::fprintf(stderr, "%s\n", status.message().toUtf8().constData());
        std::exit(1);
    }
    const auto start = Clock::now();
    const int frames = run.RunFrames(design);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return {name, threads, seconds / frames, static_cast<double>(run.engine().stampedSparkPixels()),
            run.strip()};
}

// Microseconds per frame (fade, particles, drawing, bursts) of frames `first` to
// `first` + `frames` - 1 of the engine.
double microsecondsPerFrame(FastRenderEngine& engine, QImage& target, int first, int frames) {
    const auto start = Clock::now();
    for (int frame = first; frame < first + frames; ++frame) {
        engine.advanceFrame();
        engine.drawFrame(target, QPoint(0, 0));
        engine.spawnBurstsAfter(frame);
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / frames;
}

// One spark row of the plain loop: every pixel's arithmetic and nothing else.
__attribute__((noinline)) void plainStampRow(float* __restrict cells,
                                             const std::int32_t* __restrict intensities,
                                             double addRate, double limit) {
    for (int index = 0; index < 32; ++index) {
        double sum = cells[index] + intensities[index] * addRate;
        sum = sum > limit ? limit : sum;
        cells[index] = static_cast<float>(sum);
    }
}

// The limit of stamping on one core: spark pixels per second of a plain loop
// doing only the arithmetic every stamped pixel needs (a spark row of 32 ramp
// intensities times the add rate, added in double to float canvas cells, held
// to the limit, stored), over rows all across a 256-pixel canvas.
double plainStampingRate() {
    constexpr int Edge = 256;
    constexpr int SparkRow = 32;
    std::vector<float> canvas(static_cast<std::size_t>(Edge) * Edge, 0.0f);
    std::int32_t intensities[SparkRow];
    for (int index = 0; index < SparkRow; ++index)
        intensities[index] = (index * 37) % 256;
    constexpr int Rows = 1 << 23;
    const auto start = Clock::now();
    for (int row = 0; row < Rows; ++row) {
        // Rows fall all over the canvas, as the sparks of many particles do.
        const std::size_t at = static_cast<std::size_t>(row % Edge) * Edge +
                               static_cast<std::size_t>((row / Edge) % (Edge - SparkRow));
        plainStampRow(canvas.data() + at, intensities, 0.12, 255.0);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    // The canvas is read, so that the loop cannot be left out.
    volatile float kept = canvas[static_cast<std::size_t>(Edge) * 7 + 9];
    (void)kept;
    return static_cast<double>(Rows) * SparkRow / seconds;
}

} // namespace

int main(int argc, char** argv) {
    DesignDocument design = heavyDesign();
    if (argc > 1)
        design.FrameCount = static_cast<std::int16_t>(std::atoi(argv[1]));
    design.RenderCancel = 1;

    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<Measurement> results;
    results.push_back(renderHeavy(design, EngineKind::Reference, 1, "reference"));
    results.push_back(renderHeavy(design, EngineKind::Fast, 1, "fast"));
    results.push_back(renderHeavy(design, EngineKind::Fast, 2, "fast"));
    if (cores > 2)
        results.push_back(renderHeavy(design, EngineKind::Fast, cores, "fast"));

    const Measurement& reference = results.front();
    bool identical = true;
    std::printf("heavy design: %d frames of %d x %d pixels, %.0f spark pixels stamped, "
                "%d cores\n",
                design.FrameCount, design.FrameSize, design.FrameSize, reference.stampedPixels,
                cores);
    std::printf("  %-10s %7s %12s %9s %22s %s\n", "engine", "threads", "s per frame", "speed-up",
                "spark pixels/s/core", "strip");
    for (const Measurement& result : results) {
        const bool same =
            result.strip == reference.strip && result.stampedPixels == reference.stampedPixels;
        identical = identical && same;
        const double seconds = result.secondsPerFrame * design.FrameCount;
        std::printf("  %-10s %7d %12.5f %8.1fx %22.3e %s\n", result.name.c_str(), result.threads,
                    result.secondsPerFrame, reference.secondsPerFrame / result.secondsPerFrame,
                    result.stampedPixels / seconds / result.threads,
                    same ? "identical" : "DIFFERS");
    }
    std::printf("  2 threads vs 1: %.2fx\n",
                results[1].secondsPerFrame / results[2].secondsPerFrame);
    const double plainRate = plainStampingRate();
    std::printf("  plain stamping loop: %.3e spark pixels/s on one core; the fast engine stamps "
                "at %.0f%% of it on 1 thread, %.0f%% per core on 2\n",
                plainRate,
                100.0 * results[1].stampedPixels /
                    (results[1].secondsPerFrame * design.FrameCount) / plainRate,
                100.0 * results[2].stampedPixels /
                    (results[2].secondsPerFrame * design.FrameCount) / 2.0 / plainRate);

    // Frames without live particles on the heavy design's frame size: a blank
    // canvas, and then the fading afterimage of the heavy render once all its
    // particles have died.
    QImage target(design.FrameSize, design.FrameSize, QImage::Format_RGB32);
    RandomSource random(0);
    FastRenderEngine engine(random, 2);
    DesignDocument empty = design;
    for (LayerSettings& layer : empty.Layers)
        layer.LayerUse = 0;
    engine.PrepareRender(empty);
    std::printf("  frame without particles, blank canvas:   %8.2f us\n",
                microsecondsPerFrame(engine, target, 0, 1000));
    DesignDocument fading = design;
    for (LayerSettings& layer : fading.Layers)
        layer.LayerBurstTo = 12;
    engine.PrepareRender(fading);
    int frame = 0;
    while (engine.liveParticles() > 0) {
        engine.advanceFrame();
        engine.spawnBurstsAfter(frame++);
    }
    std::printf("  frame without particles, fading canvas:  %8.2f us (after %d frames)\n",
                microsecondsPerFrame(engine, target, frame, 100), frame);

    if (!identical) {
        std::fprintf(stderr, "the fast engine's strip differs from the reference's\n");
        return 1;
    }
    return 0;
}
