// How well a flipbook that keeps every K-th frame plays back in an engine: for
// every sample design at seed 0 and K = 2 and 4, renders every frame with the
// kept frames' motion recorded, makes their `unity` vector cells, rebuilds
// each dropped frame from its two kept neighbours as Unity's VFX Graph plays
// them (motion blending) and with a plain cross-fade, and compares both with
// the true frame. Prints each sample's PSNR over all its rebuilt frames (red,
// green and blue), the gain of the vectors over the cross-fade, the median gain
// for each K and whether the targets are met.
//
// Usage: flipbook_quality
#include "common/sheets/FlipbookBlend.h"
#include "common/sheets/MotionVectorSheet.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/RenderRun.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace kirabellum;

constexpr int FrameSteps[] = {2, 4};
// The targets: the median gain for each frame step, and how many samples may
// gain nothing.
constexpr double MedianGainTargets[] = {2.5, 1.5};
constexpr int SamplesWithoutGainAllowed = 2;

// The squared errors of rebuilt frames against the true ones.
struct ErrorSum {
    double squares = 0.0;
    double values = 0.0;

    void add(const QImage& rebuilt, const QImage& truth) {
        for (int y = 0; y < truth.height(); ++y)
            for (int x = 0; x < truth.width(); ++x) {
                const QRgb a = rebuilt.pixel(x, y);
                const QRgb b = truth.pixel(x, y);
                const double red = qRed(a) - qRed(b);
                const double green = qGreen(a) - qGreen(b);
                const double blue = qBlue(a) - qBlue(b);
                squares += red * red + green * green + blue * blue;
            }
        values += 3.0 * truth.width() * truth.height();
    }
    // Peak signal to noise in dB; identical frames give infinity.
    double psnr() const { return 10.0 * std::log10(255.0 * 255.0 * values / squares); }
};

struct Quality {
    double crossFade = 0.0;
    double vectors = 0.0;
    double gain() const {
        if (std::isinf(crossFade) && std::isinf(vectors))
            return 0.0;
        return vectors - crossFade;
    }
};

QImage frameOf(const RenderRun& run, int frame) {
    const StripLayout& layout = run.layout();
    return run.strip().copy(
        QRect(layout.cellOrigin(frame), QSize(layout.FrameSize, layout.FrameSize)));
}

Quality measure(DesignDocument design, int frameStep) {
    design.RenderCancel = 1; // runs every frame
    RandomSource random(0);
    RenderRun run(random, EngineKind::Fast, 1);
    RenderMode mode = RenderMode::of(design.Render);
    mode.seed = 0;
    mode.frameStep = frameStep;
    mode.recordMotion = true;
    const common::Status status = run.PrepareRender(design, mode);
    if (!status.ok()) {
        std::fprintf(stderr, "%s\n", status.message().toUtf8().constData());
        std::exit(1);
    }
    const int frames = run.RunFrames(design);
    const int keptFrames = int(run.motionVectors().size());
    const common::SheetGrid grid(keptFrames, run.layout().FrameSize, keptFrames, 0, false);
    const common::MotionVectorSheet sheet = common::makeMotionVectorSheet(
        {run.motionVectors()}, common::SheetAtlas::onGrid(grid), common::MotionVectorPreset::Unity);
    const double scale = sheet.scale;
    std::vector<QImage> vectorCells;
    for (int kept = 0; kept < keptFrames; ++kept)
        vectorCells.push_back(sheet.image.copy(grid.cellRect(kept)));

    ErrorSum crossFade;
    ErrorSum vectors;
    for (int kept = 0; kept < keptFrames; ++kept) {
        const int from = kept * frameStep;
        // In a loop the last kept frame leads into the first of the next period.
        int next = kept + 1;
        if (from + frameStep >= frames) {
            if (!mode.loop || from + frameStep != frames)
                continue;
            next = 0;
        }
        const QImage first = frameOf(run, from);
        const QImage second = frameOf(run, next * frameStep);
        for (int dropped = 1; dropped < frameStep; ++dropped) {
            const double blend = double(dropped) / frameStep;
            const QImage truth = frameOf(run, from + dropped);
            crossFade.add(common::crossFadeCells(first, second, blend), truth);
            vectors.add(common::motionBlendCells(first, vectorCells[std::size_t(kept)], second,
                                                 vectorCells[std::size_t(next)], scale, blend),
                        truth);
        }
    }
    return {crossFade.psnr(), vectors.psnr()};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

} // namespace

int main() {
    const std::vector<SampleDesign> samples = sampleDesigns();
    std::printf("PSNR (dB) of the rebuilt dropped frames, seed 0\n");
    std::printf("%-20s", "sample");
    for (const int step : FrameSteps)
        std::printf(" | K=%d cross-fade  vectors    gain", step);
    std::printf("\n");
    std::vector<std::vector<double>> gains(std::size(FrameSteps));
    std::vector<int> withoutGain(std::size(FrameSteps), 0);
    for (const SampleDesign& sample : samples) {
        std::printf("%-20s", sample.fileName.toUtf8().constData());
        for (std::size_t step = 0; step < std::size(FrameSteps); ++step) {
            const Quality quality = measure(sample.design, FrameSteps[step]);
            std::printf(" | %15.2f %8.2f %+7.2f", quality.crossFade, quality.vectors,
                        quality.gain());
            gains[step].push_back(quality.gain());
            if (quality.gain() <= 0.0)
                ++withoutGain[step];
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    bool met = true;
    for (std::size_t step = 0; step < std::size(FrameSteps); ++step) {
        const double gain = median(gains[step]);
        const bool stepMet =
            gain >= MedianGainTargets[step] && withoutGain[step] <= SamplesWithoutGainAllowed;
        met = met && stepMet;
        std::printf("K=%d: median gain %+.2f dB (target %+.1f), %d samples without gain "
                    "(at most %d): %s\n",
                    FrameSteps[step], gain, MedianGainTargets[step], withoutGain[step],
                    SamplesWithoutGainAllowed, stepMet ? "met" : "missed");
    }
    return met ? 0 : 1;
}
