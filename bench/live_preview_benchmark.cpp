// Measures the designer's live preview: for each sample design and the heavy
// design, the time from a change to its first new frame reaching the window
// thread (through the queued signal the preview listens to), both from idle and
// while the render of the change before is still running; the time to the
// whole strip; and how long the window thread is held: the longest call into
// the live render, and the longest gap between the ticks of a one-millisecond
// timer on the window thread while live renders run. Last, the render button's
// run of the heavy design on the same workers, alone and while the live preview
// renders the heavy design too, and the live strip's time alone and meanwhile.
//
// Usage: live_preview_benchmark [RUNS]   (default 15)
#include "HeavyDesign.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/LiveRender.h"
#include "core/render/RenderRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace kirabellum;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double maximum(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

class LiveProbe {
public:
    explicit LiveProbe(LiveRender& live) : live_(live) {
        QObject::connect(&live, &LiveRender::frameReady, &loop_,
                         [this](quint64 request, int frameIndex, int frameCount) {
                             if (request != awaited_)
                                 return;
                             if (frameIndex == 0)
                                 firstFrame_ = now();
                             if (frameIndex + 1 == frameCount) {
                                 wholeStrip_ = now();
                                 loop_.quit();
                             }
                         });
        QObject::connect(&ticks_, &QTimer::timeout, [this] {
            const double tick = now();
            longestGap_ = std::max(longestGap_, tick - lastTick_);
            lastTick_ = tick;
        });
        ticks_.start(1);
        clock_.start();
    }

    // Requests `design` and runs the window thread's events until its whole
    // strip is in; returns the milliseconds to its first and last frame.
    std::pair<double, double> render(const DesignDocument& design, std::uint64_t seed) {
        const double start = now();
        awaited_ = call([&] { return live_.request(design, seed); });
        lastTick_ = now();
        loop_.exec();
        return {firstFrame_ - start, wholeStrip_ - start};
    }

    // Starts `before`, and requests `design` once the first frame of `before`
    // is in; returns the milliseconds from that change to the first frame of
    // `design`.
    double changeWhileRendering(const DesignDocument& before, const DesignDocument& design) {
        QMetaObject::Connection changer;
        double changed = 0.0;
        std::uint64_t first = 0;
        changer = QObject::connect(&live_, &LiveRender::frameReady, &loop_,
                                   [&](quint64 request, int, int) {
                                       if (request != first)
                                           return;
                                       QObject::disconnect(changer);
                                       changed = now();
                                       awaited_ = call([&] { return live_.request(design, 1); });
                                   });
        first = call([&] { return live_.request(before, 1); });
        awaited_ = 0;
        lastTick_ = now();
        loop_.exec();
        return firstFrame_ - changed;
    }

    double now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }
    double longestCall() const { return longestCall_; }
    double longestGap() const { return longestGap_; }
    void resetGap() { longestGap_ = 0.0; }

private:
    template <typename Call> std::uint64_t call(Call&& what) {
        const double start = now();
        const std::uint64_t result = what();
        longestCall_ = std::max(longestCall_, now() - start);
        return result;
    }

    LiveRender& live_;
    QEventLoop loop_;
    QTimer ticks_;
    QElapsedTimer clock_;
    std::uint64_t awaited_ = 0;
    double firstFrame_ = 0.0;
    double wholeStrip_ = 0.0;
    double lastTick_ = 0.0;
    double longestGap_ = 0.0;
    double longestCall_ = 0.0;
};

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Milliseconds per frame of the render button's run of `design` on `workers`.
double renderButtonFrame(common::WorkerPool& workers, DesignDocument design) {
    RandomSource random(0);
    RenderRun run(random, workers);
    design.RenderCancel = 1;
    if (!run.PrepareRender(design).ok())
        std::exit(1);
    const auto start = Clock::now();
    const int frames = run.RunFrames(design);
    return millisecondsSince(start) / frames;
}

// Waits for the whole strip of live request `number`.
void awaitStrip(const LiveRender& live, std::uint64_t number) {
    for (;;) {
        const LiveFrames frames = live.newest();
        if (frames.request == number && frames.complete())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The render button's run and a live render of `design` on the same workers at
// once, against each alone: the milliseconds per frame of the run and to the
// live render's whole strip.
void measureBothOn(common::WorkerPool& workers, LiveRender& live, const DesignDocument& design,
                   int runs) {
    std::vector<double> runAlone, runMeanwhile, liveAlone, liveMeanwhile;
    for (int run = 0; run < runs; ++run) {
        runAlone.push_back(renderButtonFrame(workers, design));
        auto start = Clock::now();
        awaitStrip(live, live.request(design, 1));
        liveAlone.push_back(millisecondsSince(start));
        start = Clock::now();
        const std::uint64_t number = live.request(design, 1);
        runMeanwhile.push_back(renderButtonFrame(workers, design));
        awaitStrip(live, number);
        liveMeanwhile.push_back(millisecondsSince(start));
    }
    std::printf("  render button and live preview on %d shared workers, heavy design, median "
                "of %d:\n",
                workers.workerCount(), runs);
    std::printf("    render button's run: %.1f ms per frame alone, %.1f ms while the live "
                "preview renders\n",
                median(runAlone), median(runMeanwhile));
    std::printf("    live preview's strip: %.0f ms alone, %.0f ms from its request when the "
                "render button's run starts with it\n",
                median(liveAlone), median(liveMeanwhile));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    std::vector<std::pair<std::string, DesignDocument>> designs;
    for (SampleDesign& sample : sampleDesigns())
        designs.emplace_back(sample.fileName.toStdString(), std::move(sample.design));
    designs.emplace_back("heavy design", heavyDesign());

    common::WorkerPool workers(common::WorkerPool::coreCount());
    LiveRender live(workers);
    LiveProbe probe(live);
    std::printf("live preview, %d runs each (milliseconds, median / worst)\n", runs);
    std::printf("  %-20s %17s %17s %17s %15s\n", "design", "first frame", "after a change",
                "whole strip", "longest gap");
    for (auto& [name, design] : designs) {
        std::vector<double> first, changed, whole;
        probe.resetGap();
        DesignDocument other = design;
        for (int run = 0; run < runs; ++run) {
            const auto [toFirst, toWhole] = probe.render(design, static_cast<std::uint64_t>(run));
            first.push_back(toFirst);
            whole.push_back(toWhole);
            other.AddRate = design.AddRate * (run % 2 == 0 ? 0.9f : 1.1f);
            changed.push_back(probe.changeWhileRendering(design, other));
        }
        std::printf("  %-20s %8.1f / %6.1f %8.1f / %6.1f %8.1f / %6.1f %15.1f\n", name.c_str(),
                    median(first), maximum(first), median(changed), maximum(changed), median(whole),
                    maximum(whole), probe.longestGap());
    }
    std::printf("  longest call into the live render on the window thread: %.2f ms\n",
                probe.longestCall());
    measureBothOn(workers, live, designs.back().second, std::min(runs, 5));
    return 0;
}
