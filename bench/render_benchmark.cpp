// Renders each heavy design (the plain one, and one with child bursts, trails
// and a layer ramp) with the reference engine and with the fast engine on one
// and on two threads (and on all cores, when there are more), checks that every
// strip equals the reference's, and prints how fast each engine draws: seconds
// per frame, the speed-up over the reference, non-transparent spark pixels
// stamped per second per core, and how much a second thread gives. The fast
// engine's figures are medians of five renders; beside them stand the plain
// stamping loop's rate, the engine's share of it, what two copies of the loop
// running at once give (the machine's own limit for a second thread), measured
// in each round right after that round's renders and set against them round by
// round, and whether the speed targets are met.
// Then times frames without live particles.
//
// Usage: render_benchmark [FRAMES]   (FRAMES shortens the renders, e.g. for callgrind)
#include "HeavyDesign.h"
#include "core/render/FastRenderEngine.h"
#include "core/render/RenderRun.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
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

void exitOnFailure(const common::Status& status) {
    if (status.ok())
        return;
    std::fprintf(stderr, "%s\n", status.message().toUtf8().constData());
    std::exit(1);
}

Measurement renderHeavy(const DesignDocument& design, EngineKind kind, int threads,
                        const char* name) {
    RandomSource random(0);
    RenderRun run(random, kind, threads);
    exitOnFailure(run.PrepareRender(design));
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

// The plain loop's rate per core with `threads` copies of it running at once,
// each on a canvas of its own: what the machine itself gives a second core for
// work that shares nothing. The first copy runs on the calling thread, as the
// engine's first worker does: the cores of a virtual machine can differ in
// speed for minutes, and a copy started on a thread of its own lands on either.
double plainStampingRatePerCore(int threads) {
    std::vector<double> rates(static_cast<std::size_t>(threads));
    std::vector<std::thread> running;
    for (std::size_t index = 1; index < rates.size(); ++index)
        running.emplace_back([&rates, index] { rates[index] = plainStampingRate(); });
    rates[0] = plainStampingRate();
    for (std::thread& thread : running)
        thread.join();
    double sum = 0.0;
    for (const double rate : rates)
        sum += rate;
    return sum / threads;
}

// Nanoseconds for a cache line to go from one thread to another and back: two
// threads hand a counter to each other. Where the machine's cores pass lines
// slowly, what the engine's workers share costs the more.
double lineRoundTripNanoseconds() {
    constexpr int Trips = 100000;
    alignas(64) std::atomic<int> turn{0};
    std::thread other([&turn] {
        for (int trip = 0; trip < Trips; ++trip) {
            while (turn.load(std::memory_order_acquire) != 2 * trip + 1) {
            }
            turn.store(2 * trip + 2, std::memory_order_release);
        }
    });
    const auto start = Clock::now();
    for (int trip = 0; trip < Trips; ++trip) {
        turn.store(2 * trip + 1, std::memory_order_release);
        while (turn.load(std::memory_order_acquire) != 2 * trip + 2) {
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    other.join();
    return seconds / Trips * 1e9;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What one round measured of a second thread: the engine's gain from its
// render on one thread and on two, and the machine's from the plain loop
// alone and as two copies, run right after those renders, so that both fall
// in the same spell of the machine (its second core's gain swings within
// minutes).
struct RoundGains {
    double engine = 0.0;
    double machine = 0.0;
    double plainRate = 0.0; // the plain loop alone, spark pixels per second
    double roundTrip = 0.0; // lineRoundTripNanoseconds
};

// The measurement of `threads` with the median time of `rounds` renders, the
// rounds of the thread counts taken in turn, so that a slow spell of the machine
// falls on all of them alike; `gains` gets each round's gains (threads holds 1
// and 2 first).
std::vector<Measurement> renderFastMedians(const DesignDocument& design,
                                           const std::vector<int>& threads, int rounds,
                                           std::vector<RoundGains>& gains) {
    std::vector<std::vector<Measurement>> runs(threads.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t index = 0; index < threads.size(); ++index)
            runs[index].push_back(renderHeavy(design, EngineKind::Fast, threads[index], "fast"));
        RoundGains gain;
        gain.engine = runs[0].back().secondsPerFrame / runs[1].back().secondsPerFrame - 1.0;
        gain.plainRate = plainStampingRatePerCore(1);
        gain.machine = 2.0 * plainStampingRatePerCore(2) / gain.plainRate - 1.0;
        gain.roundTrip = lineRoundTripNanoseconds();
        gains.push_back(gain);
    }
    std::vector<Measurement> medians;
    for (std::vector<Measurement>& measurements : runs) {
        std::sort(measurements.begin(), measurements.end(),
                  [](const Measurement& a, const Measurement& b) {
                      return a.secondsPerFrame < b.secondsPerFrame;
                  });
        medians.push_back(measurements[measurements.size() / 2]);
    }
    return medians;
}

void printTarget(const char* name, double value, double target, const char* unit) {
    std::printf("  target %-34s %8.2f%s (at least %.2f%s): %s\n", name, value, unit, target, unit,
                value >= target ? "met" : "MISSED");
}

// Renders `design` as the header says and prints its figures; returns whether
// every strip equals the reference's.
bool benchmarkDesign(const char* title, const DesignDocument& design, int rounds) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<int> threads = {1, 2};
    if (cores > 2)
        threads.push_back(cores);
    std::vector<Measurement> results;
    results.push_back(renderHeavy(design, EngineKind::Reference, 1, "reference"));
    std::vector<RoundGains> gains;
    for (Measurement& fast : renderFastMedians(design, threads, rounds, gains))
        results.push_back(std::move(fast));

    const Measurement& reference = results.front();
    bool identical = true;
    std::printf("%s: %d frames of %d x %d pixels, %.0f spark pixels stamped, "
                "%d cores; fast engine: medians of %d renders\n",
                title, design.FrameCount, design.FrameSize, design.FrameSize,
                reference.stampedPixels, cores, rounds);
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
    std::vector<double> plainRates, engineGains, machineGains, ratios;
    for (const RoundGains& gain : gains) {
        plainRates.push_back(gain.plainRate);
        engineGains.push_back(gain.engine);
        machineGains.push_back(gain.machine);
        ratios.push_back(gain.engine / gain.machine);
    }
    const double plainRate = median(plainRates);
    const auto shareOfPlain = [&](const Measurement& result) {
        return result.stampedPixels / (result.secondsPerFrame * design.FrameCount) /
               result.threads / plainRate;
    };
    std::printf("  plain stamping loop: %.3e spark pixels/s on one core; the fast engine stamps "
                "at %.0f%% of it on 1 thread, %.0f%% per core on 2\n",
                plainRate, 100.0 * shareOfPlain(results[1]), 100.0 * shareOfPlain(results[2]));
    // A second thread's gain is what it adds to one thread's speed: the engine's
    // from its render times, the machine's from two copies of the plain loop.
    std::printf("  second thread's gain, each round's renders and plain loops together "
                "(medians): engine %.2f (s per frame on 1 thread / on 2 - 1), machine %.2f "
                "(2 x plain loop rate per core with 2 copies at once / with 1 - 1)\n",
                median(engineGains), median(machineGains));
    std::printf("  engine's gain / machine's, round by round (and a cache line's round trip "
                "between the threads):");
    for (std::size_t round = 0; round < gains.size(); ++round)
        std::printf(" %.2f (%.2f / %.2f, %.0f ns)", ratios[round], engineGains[round],
                    machineGains[round], gains[round].roundTrip);
    std::printf("\n");
    printTarget("speed-up on 2 threads", reference.secondsPerFrame / results[2].secondsPerFrame,
                100.0, "x");
    printTarget("second thread's gain / the machine's", median(ratios), 0.9, "");
    printTarget("share of the plain loop per core, 2 threads", 100.0 * shareOfPlain(results[2]),
                100.0 * 2.0 / 3.0, "%");
    return identical;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::pair<const char*, DesignDocument>> designs = {
        {"heavy design", heavyDesign()}, {"heavy design with layer effects", heavyEffectsDesign()}};
    for (auto& [title, design] : designs) {
        if (argc > 1)
            design.FrameCount = static_cast<std::int16_t>(std::atoi(argv[1]));
        design.RenderCancel = 1;
    }
    constexpr int Rounds = 5;
    bool identical = true;
    for (const auto& [title, design] : designs)
        identical = benchmarkDesign(title, design, Rounds) && identical;

    // Frames without live particles on the heavy design's frame size: a blank
    // canvas, and then the fading afterimage of the heavy render once all its
    // particles have died.
    const DesignDocument& design = designs.front().second;
    std::printf("frames without particles, %d x %d pixels:\n", design.FrameSize, design.FrameSize);
    QImage target(design.FrameSize, design.FrameSize, QImage::Format_RGB32);
    RandomSource random(0);
    FastRenderEngine engine(random, 2);
    DesignDocument empty = design;
    for (LayerSettings& layer : empty.Layers)
        layer.LayerUse = 0;
    exitOnFailure(engine.PrepareRender(empty));
    std::printf("  frame without particles, blank canvas:   %8.2f us\n",
                microsecondsPerFrame(engine, target, 0, 1000));
    DesignDocument fading = design;
    for (LayerSettings& layer : fading.Layers)
        layer.LayerBurstTo = 12;
    exitOnFailure(engine.PrepareRender(fading));
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
