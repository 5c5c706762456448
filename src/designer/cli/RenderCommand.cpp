#include "cli/RenderCommand.h"

#include "cli/AtlasList.h"
#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/FramePlayback.h"
#include "common/ImageFile.h"
#include "common/animation/AnimationFormat.h"
#include "common/palettes/PaletteFile.h"
#include "common/sheets/AtlasLayout.h"
#include "common/sheets/SheetAnimation.h"
#include "common/sheets/SheetCommandOptions.h"
#include "common/sheets/SheetCompanions.h"
#include "common/sheets/SheetFiles.h"
#include "common/sheets/SheetImage.h"
#include "core/ProgramInfo.h"
#include "core/document/DesignFormat.h"
#include "core/document/SeedText.h"
#include "core/render/AtlasRender.h"

#include <QFileInfo>
#include <QLocale>

#include <limits>
#include <ostream>

namespace kirabellum {

namespace {

const QString outputOption = QStringLiteral("output");
const QString atlasOption = QStringLiteral("atlas");
const QString seedOption = QStringLiteral("seed");
const QString loopOption = QStringLiteral("loop");
const QString cyclesOption = QStringLiteral("cycles");
// Enough for any strip that fits, and no product of frames that overflows.
constexpr int CyclesMaximum = std::numeric_limits<int>::max() / FrameCountMaximum;

// The designer's background is the ramp's first colour, so it has no
// --background.
const common::SheetCommandOptions& sheetOptions() {
    using common::SheetOption;
    static const common::SheetCommandOptions options(
        {SheetOption::Alpha, SheetOption::Columns, SheetOption::MaxSize, SheetOption::PowerOfTwo,
         SheetOption::Padding, SheetOption::Metadata, SheetOption::Fps, SheetOption::FrameStep,
         SheetOption::MotionVectors, SheetOption::ColourMode, SheetOption::Animation,
         SheetOption::Repeat, SheetOption::Quality, SheetOption::Palette, SheetOption::Dither,
         SheetOption::Scale, SheetOption::Variants, SheetOption::Crop, SheetOption::Trim});
    return options;
}

QString renderHelp() {
    using common::SheetOption;
    const QString sheetHelp = sheetOptions().help(
        {{SheetOption::Alpha, QStringLiteral("additive")},
         {SheetOption::Columns, QStringLiteral("as many as the width limit holds")},
         {SheetOption::MaxSize, QString::number(common::MaximumImageEdge)},
         {SheetOption::Padding, QStringLiteral("0")},
         {SheetOption::Fps, QStringLiteral("the design's preview rate")},
         {SheetOption::FrameStep, QStringLiteral("1")},
         {SheetOption::MotionVectors, QStringLiteral("none")},
         {SheetOption::ColourMode, QStringLiteral("colour")},
         {SheetOption::Repeat, QStringLiteral("forever")},
         {SheetOption::Quality, QStringLiteral("lossless")},
         {SheetOption::Palette, QStringLiteral("none")},
         {SheetOption::Dither, QStringLiteral("none")},
         {SheetOption::Scale, QStringLiteral("1")},
         {SheetOption::Variants, QStringLiteral("1")}});
    return QStringLiteral(
               "Usage: kirabellum render DESIGN -o OUT [--seed N] [--loop [--cycles K]]\n"
               "                         [sheet options]\n"
               "       kirabellum render DESIGN... [--atlas LIST] -o OUT [options]\n"
               "\n"
               "Renders DESIGN exactly as the render button does, with its own frame size,\n"
               "frame count, width limit and afterimage, and writes the whole frame strip to\n"
               "OUT. DESIGN is read in the format its extension names: %1.\n"
               "Progress shows on a terminal.\n"
               "\n"
               "Several designs, or --variants, make one sheet of several animations: each\n"
               "design renders with its own settings on rows of its own, one animation named\n"
               "after its file (NAME_v0, NAME_v1, ... for variants), each at its own rate.\n"
               "An animation output (.gif, .apng, .webp) holds one design only.\n"
               "\n"
               "Options:\n"
               "  -o, --output OUT       the strip to write: .bmp (uncompressed, 24-bit) or .png;\n"
               "                         or its frames as an animation: .gif, .apng or .webp\n"
               "  --atlas LIST           render the designs LIST names too: a text file of one\n"
               "                         design a line, each followed, when wanted, by\n"
               "                         seed=N and variants=N; relative to LIST's folder;\n"
               "                         blank lines and lines starting with # are skipped\n"
               "  --seed N               where the random generator starts, 0 to\n"
               "                         18446744073709551615 [the design's fixed seed, or 0]\n"
               "  --loop                 render a seamless loop: the strip is one period of an\n"
               "                         endless animation whose last frame flows into its\n"
               "                         first [on when the design says so]\n"
               "  --cycles K             with --loop, record K periods one after the other [1]\n"
               "  -h, --help             show this help\n"
               "\n"
               "Sheet options, for game engines (the ramp's first colour is the background):\n"
               "%2"
               "\n"
               "An option's value is the next word or follows an \"=\": --seed 3, --seed=3.\n"
               "A loop that has not settled after %3 frames is recorded anyway, with a\n"
               "warning that it may show a seam.\n")
        .arg(DesignFormat::extensions(false), sheetHelp)
        .arg(RenderMode().settlingFrameLimit);
}

struct RenderOptions {
    std::vector<AtlasListEntry> designs;
    QString atlasList;
    QString outputPath;
    AtlasRequest request;
};

// Fills `options` from the words read; the problem with them, or nothing.
QString readRenderOptions(const common::CommandWords& words, RenderOptions& options) {
    AtlasRequest& request = options.request;
    if (words.isSet(seedOption)) {
        request.seed = seedFromText(words.value(seedOption));
        if (!request.seed)
            return QStringLiteral("the seed \"%1\" is not a whole number from 0 to "
                                  "18446744073709551615")
                .arg(words.value(seedOption));
    }
    request.loop = words.isSet(loopOption);
    if (words.isSet(cyclesOption) && !request.loop)
        return QStringLiteral("--cycles needs --loop");
    const common::Status cycles = words.wholeNumber(cyclesOption, 1, CyclesMaximum, request.cycles);
    if (!cycles.ok())
        return cycles.message();
    for (const QString& design : words.positional())
        options.designs.push_back({design, {}, {}});
    options.atlasList = words.value(atlasOption);
    if (options.designs.empty() && options.atlasList.isEmpty())
        return QStringLiteral("no design given");
    options.outputPath = words.value(outputOption);
    if (options.outputPath.isEmpty())
        return QStringLiteral("no output given (-o OUT)");
    if (!common::imageFormatFor(options.outputPath) &&
        !common::animationFormatFor(options.outputPath, false))
        return QStringLiteral("cannot write \"%1\"; use .bmp, .png, .gif, .apng or .webp")
            .arg(options.outputPath);
    common::Status status = sheetOptions().read(words, request.sheet);
    if (status.ok())
        status = common::checkOutputOptions(request.sheet, options.outputPath);
    return status.message();
}

// Adds the designs the list file names to `options`; the exit code, with the
// message printed, when the file cannot be read (1) or a line is wrong (usage).
std::optional<ExitCode> readDesignList(const common::CommandWords& words, RenderOptions& options,
                                       std::ostream& err) {
    if (options.atlasList.isEmpty())
        return std::nullopt;
    QByteArray text;
    const common::Status read = common::readWholeFile(options.atlasList, text);
    if (!read.ok()) {
        err << "kirabellum: cannot read the design list \"" << options.atlasList.toStdString()
            << "\": " << read.message().toStdString() << '\n';
        return ExitFailure;
    }
    const common::Status parsed =
        parseAtlasList(QString::fromUtf8(text), options.atlasList, options.designs);
    if (!parsed.ok())
        return words.usageError(parsed.message(), err);
    return std::nullopt;
}

// What the designs asked for cannot make: an animation of several, or the
// same frames twice. The problem, or nothing.
QString designsProblem(const RenderOptions& options) {
    int animations = 0;
    for (std::size_t index = 0; index < options.designs.size(); ++index) {
        const AtlasListEntry& entry = options.designs[index];
        animations += entry.variants.value_or(options.request.sheet.variants);
        for (std::size_t before = 0; before < index; ++before) {
            const AtlasListEntry& other = options.designs[before];
            if (QFileInfo(other.path) == QFileInfo(entry.path) && other.seed == entry.seed)
                return QStringLiteral("the design \"%1\" is given twice with the same seed; "
                                      "--variants N renders it with several")
                    .arg(entry.path);
        }
    }
    if (animations > 1 &&
        common::animationFormatFor(options.outputPath, options.request.sheet.animatedPng))
        return QStringLiteral("an animation holds one design; write several designs or "
                              "variants to a sheet (.png or .bmp)");
    return QString();
}

// A strip of several periods that grows over the largest image is the
// --cycles option's fault; the design alone would render.
QString cyclesProblem(int cycles, const DesignDocument& design) {
    StripLayout layout;
    if (cycles == 1 || !layOutStrip(design, layout).ok() ||
        layOutStrip(design, design.FrameCount * cycles, layout).ok())
        return QString();
    // Only the height can grow: no row is wider than the width limit or one frame.
    const int framesThatFit = stripColumns(design.FrameSize, design.WidthLimit) *
                              (common::MaximumImageEdge / design.FrameSize);
    return QStringLiteral("--cycles %1 makes a strip of %2 frames, taller than %3 pixels; "
                          "--cycles may be at most %4 for this design")
        .arg(cycles)
        .arg(design.FrameCount * cycles)
        .arg(common::MaximumImageEdge)
        .arg(framesThatFit / design.FrameCount);
}

// Reads every design into `designs`; the exit code when one cannot be read
// (1) or cannot render as asked (usage).
std::optional<ExitCode> readDesigns(const common::CommandWords& words, const RenderOptions& options,
                                    std::vector<AtlasDesign>& designs, std::ostream& err) {
    for (const AtlasListEntry& listed : options.designs) {
        AtlasDesign entry;
        const common::Status status = readAtlasDesign(listed.path, entry);
        if (!status.ok()) {
            err << "kirabellum: " << status.message().toStdString() << '\n';
            return ExitFailure;
        }
        entry.seed = listed.seed;
        entry.variants = listed.variants;
        const QString tooManyCycles = cyclesProblem(options.request.cycles, entry.design);
        if (!tooManyCycles.isEmpty())
            return words.usageError(tooManyCycles, err);
        if (AtlasRender::modeOf(entry, options.request, 0).loop) {
            const common::Status loop = options.request.sheet.checkLoop(entry.design.FrameCount);
            if (!loop.ok())
                return words.usageError(loop.message(), err);
        }
        designs.push_back(std::move(entry));
    }
    return std::nullopt;
}

void warnIfUnsettled(const AtlasRender& render, std::ostream& err) {
    if (render.unsettled())
        err << "kirabellum render: warning: the loop did not settle within "
            << RenderMode().settlingFrameLimit
            << " frames (particles still alive or an afterimage still fading); it may show a "
               "seam where the last frame flows into the first\n";
}

// Writes the rendered frames of the one animation as the animation `format`;
// a loop's file says that it is one.
int writeAnimation(const AtlasRender& render, const RenderOptions& options,
                   common::AnimationFormat format, std::ostream& out, std::ostream& err) {
    const AtlasRun& run = render.animations().front();
    const common::SheetOptions& sheet = options.request.sheet;
    const common::Animation animation = common::sheetAnimation(
        run.frames, sheet, run.background, format, run.framesPerSecond, run.loop);
    const common::Status status =
        common::writeSheetAnimation(options.outputPath, animation, format, sheet);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    warnIfUnsettled(render, err);
    if (sheet.dither == common::Dither::Diffusion)
        err << "kirabellum render: " << common::diffusionWarning().toStdString() << '\n';
    const int frameSize = run.frames.grid.frameSize();
    out << "Wrote " << animation.frames.size() << " frames of " << frameSize << " x " << frameSize
        << " pixels to " << options.outputPath.toStdString() << " ("
        << common::animationSummary(animation, format).toStdString() << ")\n";
    return ExitSuccess;
}

// What the terminal shows after the sheet was written.
void reportSheet(const AtlasRender& render, const RenderOptions& options,
                 const common::SheetCompanions& files, bool showProgress, std::ostream& out,
                 std::ostream& err) {
    const common::SheetDescription& description = files.description;
    const common::SheetAtlas& atlas = description.atlas;
    warnIfUnsettled(render, err);
    QStringList warnings{atlas.grid ? atlas.grid->powerOfTwoWarning() : QString(),
                         common::atlasGridWarning(atlas)};
    warnings.removeAll(QString());
    for (const QString& warning : warnings)
        err << "kirabellum render: warning: " << warning.toStdString() << '\n';
    if (options.request.sheet.motionVectors == common::MotionVectorPreset::Unity)
        out << "Motion vector scale: "
            << QString::number(description.motionVectors->scale, 'g',
                               QLocale::FloatingPointShortest)
                   .toStdString()
            << " (" << description.motionVectors->imageFileName.toStdString() << ")\n";
    out << "Wrote " << atlas.frameCount() << " frames ";
    if (atlas.animations.size() == 1) {
        const int frameSize = render.animations().front().frames.grid.frameSize();
        out << "of " << frameSize << " x " << frameSize << " pixels";
    } else {
        out << "in " << atlas.animations.size() << " animations";
    }
    out << " to " << options.outputPath.toStdString() << " (" << files.sheet.width() << " x "
        << files.sheet.height() << ")\n";
    if (options.request.sheet.crop) {
        const std::int64_t whole = render.framePixels();
        const std::int64_t saved = render.croppedPixels();
        out << "Cropped: " << saved << " of " << whole << " frame pixels saved ("
            << QString::number(100.0 * static_cast<double>(saved) / static_cast<double>(whole), 'f',
                               1)
                   .toStdString()
            << " %)\n";
    }
    if (description.intensityRamp)
        out << "The sheet holds ramp indices; "
            << description.intensityRamp->imageFileName.toStdString() << " ("
            << description.intensityRamp->rampLength << " x " << description.intensityRamp->channels
            << ") holds the ramp\n";
    if (showProgress)
        err << common::atlasTilesText(atlas).toStdString() << '\n';
}

} // namespace

int runRenderCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                     bool showProgress) {
    common::CommandWords words(
        QStringLiteral("kirabellum render"),
        QStringLiteral("Usage: kirabellum render DESIGN -o OUT [--seed N] [--loop [--cycles K]]; "
                       "see kirabellum render --help\n"),
        renderHelp(),
        QList<QCommandLineOption>{
            QCommandLineOption({QStringLiteral("o"), outputOption}, QString(),
                               QStringLiteral("OUT")),
            QCommandLineOption(atlasOption, QString(), QStringLiteral("LIST")),
            QCommandLineOption(seedOption, QString(), QStringLiteral("N")),
            QCommandLineOption(loopOption),
            QCommandLineOption(cyclesOption, QString(), QStringLiteral("K"))} +
            sheetOptions().commandOptions());
    if (const std::optional<ExitCode> done = words.read(arguments, out, err))
        return *done;
    RenderOptions options;
    QString problem = readRenderOptions(words, options);
    if (!problem.isEmpty())
        return words.usageError(problem, err);
    if (const std::optional<ExitCode> failed = readDesignList(words, options, err))
        return *failed;
    problem = designsProblem(options);
    if (!problem.isEmpty())
        return words.usageError(problem, err);

    std::vector<AtlasDesign> designs;
    if (const std::optional<ExitCode> failed = readDesigns(words, options, designs, err))
        return *failed;

    if (!options.request.sheet.palette.isEmpty()) {
        common::Palette palette;
        const common::Status status = common::loadPalette(options.request.sheet.palette, palette);
        if (!status.ok()) {
            err << "kirabellum: " << status.message().toStdString() << '\n';
            return ExitFailure;
        }
        options.request.palette = palette;
    }

    common::WorkerPool workers(common::WorkerPool::coreCount());
    AtlasRender render(workers);
    common::Status status = render.prepare(std::move(designs), options.request);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    status = render.checkSheet();
    if (!status.ok())
        return words.usageError(status.message(), err);

    RenderHooks hooks;
    if (showProgress) {
        const int frameCount = render.frameCount();
        hooks.frameStarted = [&err, frameCount](int frameIndex) {
            err << "\rframe " << frameIndex + 1 << " of " << frameCount << std::flush;
        };
    }
    render.run(hooks);
    if (showProgress)
        err << '\n';

    if (const std::optional<common::AnimationFormat> format =
            common::animationFormatFor(options.outputPath, options.request.sheet.animatedPng))
        return writeAnimation(render, options, *format, out, err);
    common::SheetAtlas atlas;
    status = render.layOut(atlas);
    if (!status.ok())
        return words.usageError(status.message(), err);
    common::SheetCompanions files;
    status = render.sheetFiles(options.outputPath, atlas, QString::fromLatin1(ProgramName),
                               QString::fromLatin1(ProgramVersion), files);
    if (status.ok())
        status = common::writeSheet(
            options.outputPath,
            common::sheetToWrite(files.sheet, options.request.sheet, options.outputPath),
            files.description, options.request.sheet.metadata, files.images);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    reportSheet(render, options, files, showProgress, out, err);
    return ExitSuccess;
}

} // namespace kirabellum
