// Renders the heavy design again and again in one process, as the designer does
// render after render, and prints the memory held after each render: it must
// stay flat. Exits with 1 when it grows.
//
// Usage: designer_memory_benchmark [RUNS]   (default 12)
#include "HeavyDesign.h"
#include "ProcessMemory.h"
#include "core/render/RenderRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    using namespace kirabellum;
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 12;
    DesignDocument design = heavyDesign();
    design.RenderCancel = 1; // runs every frame
    // One session's generator and run, as in the designer.
    RandomSource random(0);
    RenderRun run(random);
    const bool flat = memoryStaysFlat("heavy design renders", runs, 8u << 20, [&] {
        const common::Status status = run.PrepareRender(design);
        if (!status.ok()) {
            std::fprintf(stderr, "%s\n", status.message().toUtf8().constData());
            std::exit(2);
        }
        run.RunFrames(design);
    });
    return flat ? 0 : 1;
}
