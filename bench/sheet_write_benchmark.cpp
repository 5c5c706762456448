// Renders the heavy design on 64 frames in 1536-pixel rows (a 1536 x 2816
// sheet) with the fast engine, as `kirabellum render` does, then writes its
// sheet as the command line does (common::writeSheet): a PNG in the additive
// and in the straight alpha mode, and an uncompressed bitmap for reference.
// Then writes its frames as each animated file (GIF, APNG, WebP lossless and
// lossy at quality 80) as the command line does. Prints the render's seconds,
// each write's seconds and file size (medians of three), and whether each PNG
// write takes no longer than the render.
//
// Usage: sheet_write_benchmark [FOLDER]   (where the sheets go; a temporary folder otherwise)
#include "HeavyDesign.h"
#include "common/FramePlayback.h"
#include "common/sheets/SheetAnimation.h"
#include "common/sheets/SheetFiles.h"
#include "common/sheets/SheetGrid.h"
#include "common/sheets/SheetImage.h"
#include "core/render/RenderRun.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

using namespace kirabellum;
using Clock = std::chrono::steady_clock;
constexpr int Rounds = 3;

void exitOnFailure(const common::Status& status) {
    if (status.ok())
        return;
    std::fprintf(stderr, "%s\n", status.message().toUtf8().constData());
    std::exit(1);
}

// The median of `Rounds` timings of `work`, in seconds.
double medianSeconds(const std::function<void()>& work) {
    std::vector<double> seconds;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = Clock::now();
        work();
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

struct Written {
    const char* name;
    common::AlphaMode alpha;
    const char* extension;
};

// Renders `design` and writes its sheets as the header says into `folder`;
// returns whether every PNG write took no longer than the render.
bool benchmarkDesign(const char* title, DesignDocument design, const QString& folder) {
    design.FrameCount = 64;
    design.WidthLimit = 1536;
    design.RenderCancel = 1;

    RandomSource random(0);
    RenderRun run(random);
    const double renderSeconds = medianSeconds([&] {
        exitOnFailure(run.PrepareRender(design));
        run.RunFrames(design);
    });

    const StripLayout& strip = run.layout();
    common::SheetOptions options;
    common::SheetGrid grid;
    exitOnFailure(common::SheetGrid::layOut({strip.FrameCount, strip.FrameSize, strip.Columns},
                                            options, grid));
    const common::Colour background = run.engine().paletteColour(0);
    const common::SheetFrames frames{run.strip(), strip.grid(), strip.FrameCount, background, 1};

    std::printf("%s, %d frames of %d x %d pixels: render (fast engine) %.3f s, "
                "medians of %d\n",
                title, strip.FrameCount, strip.FrameSize, strip.FrameSize, renderSeconds, Rounds);
    bool met = true;
    for (const Written& written : {Written{"PNG, additive", common::AlphaMode::Additive, "png"},
                                   Written{"PNG, straight", common::AlphaMode::Straight, "png"},
                                   Written{"BMP, additive", common::AlphaMode::Additive, "bmp"}}) {
        const QImage sheet = common::makeSheet(frames, grid, written.alpha, background);
        const QString path = QStringLiteral("%1/sheet_%2.%3")
                                 .arg(folder, QString::number(static_cast<int>(written.alpha)),
                                      QString::fromLatin1(written.extension));
        const common::SheetDescription description = common::SheetDescription::of(
            path, grid, written.alpha, common::captionedFrameRate(design.RefreshRate), false,
            QStringLiteral("kirabellum"), QStringLiteral("benchmark"));
        const double seconds =
            medianSeconds([&] { exitOnFailure(common::writeSheet(path, sheet, description, {})); });
        const bool png = QFileInfo(path).suffix() == QStringLiteral("png");
        met = met && (!png || seconds <= renderSeconds);
        std::printf("  %-14s %d x %d: write %.3f s (%.2f of the render), %lld bytes%s\n",
                    written.name, sheet.width(), sheet.height(), seconds, seconds / renderSeconds,
                    static_cast<long long>(QFileInfo(path).size()),
                    png ? (seconds <= renderSeconds ? "" : "  SLOWER THAN THE RENDER") : "");
    }
    struct AnimatedFile {
        const char* name;
        common::AnimationFormat format;
        std::optional<int> quality;
        const char* extension;
    };
    for (const AnimatedFile& file :
         {AnimatedFile{"GIF", common::AnimationFormat::Gif, std::nullopt, "gif"},
          AnimatedFile{"APNG", common::AnimationFormat::Apng, std::nullopt, "apng"},
          AnimatedFile{"WebP lossless", common::AnimationFormat::WebP, std::nullopt, "webp"},
          AnimatedFile{"WebP q80", common::AnimationFormat::WebP, 80, "webp"}}) {
        common::SheetOptions animationOptions;
        animationOptions.quality = file.quality;
        const QString path = QStringLiteral("%1/animation_%2.%3")
                                 .arg(folder, QString::number(file.quality.value_or(100)),
                                      QString::fromLatin1(file.extension));
        const double seconds = medianSeconds([&] {
            const common::Animation animation =
                common::sheetAnimation(frames, animationOptions, background, file.format,
                                       common::captionedFrameRate(design.RefreshRate), false);
            exitOnFailure(
                common::writeSheetAnimation(path, animation, file.format, animationOptions));
        });
        std::printf("  %-14s: write %.3f s (%.2f of the render), %lld bytes\n", file.name, seconds,
                    seconds / renderSeconds, static_cast<long long>(QFileInfo(path).size()));
    }
    return met;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    bool met = benchmarkDesign("heavy design", heavyDesign(), folder);
    met = benchmarkDesign("heavy design with layer effects", heavyEffectsDesign(), folder) && met;
    std::printf("target: every PNG sheet written in no longer than its render: %s\n",
                met ? "met" : "MISSED");
    return met ? 0 : 1;
}
