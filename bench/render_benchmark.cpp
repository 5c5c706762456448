// Renders the heavy design and prints how fast the engine draws it:
// frames per second and non-transparent spark pixels stamped per second.
#include "HeavyDesign.h"
#include "render/RenderRun.h"

#include <chrono>
#include <cstdio>

int main() {
    using namespace kirabellum;
    DesignDocument design = heavyDesign();
    design.RenderCancel = 1;
    RandomSource random(0);
    RenderRun run(random);

    const auto start = std::chrono::steady_clock::now();
    const Status status = run.PrepareRender(design);
    if (!status.ok()) {
        std::fprintf(stderr, "%s\n", status.message().toUtf8().constData());
        return 1;
    }
    int peakParticles = 0;
    RenderHooks hooks;
    hooks.frameDrawn = [&](int, const QImage&, const QRect&) {
        const int live = run.engine().liveParticles();
        peakParticles = live > peakParticles ? live : peakParticles;
    };
    const int frames = run.RunFrames(design, hooks);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double stamped = static_cast<double>(run.engine().stampedSparkPixels());

    std::printf("reference engine, heavy design: %d frames of %d x %d pixels\n", frames,
                design.FrameSize, design.FrameSize);
    std::printf("  peak live particles         %d\n", peakParticles);
    std::printf("  seconds                     %.3f\n", seconds);
    std::printf("  seconds per frame           %.4f\n", seconds / frames);
    std::printf("  frames per second           %.2f\n", frames / seconds);
    std::printf("  spark pixels stamped        %.0f\n", stamped);
    std::printf("  spark pixels per second     %.3e\n", stamped / seconds);
    return 0;
}
