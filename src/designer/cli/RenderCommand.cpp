#include "cli/RenderCommand.h"

#include "cli/CommandLine.h"
#include "common/FramePlayback.h"
#include "common/ImageFile.h"
#include "common/animation/AnimationFormat.h"
#include "common/palettes/PaletteFile.h"
#include "common/sheets/SheetAnimation.h"
#include "common/sheets/SheetCommandOptions.h"
#include "common/sheets/SheetCompanions.h"
#include "common/sheets/SheetFiles.h"
#include "common/sheets/SheetImage.h"
#include "core/ProgramInfo.h"
#include "core/document/DesignFormat.h"
#include "core/document/SeedText.h"
#include "core/render/IntensitySheet.h"
#include "core/render/RenderRun.h"

#include <QLocale>

#include <limits>
#include <ostream>

namespace kirabellum {

namespace {

const QString outputOption = QStringLiteral("output");
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
         SheetOption::Scale});
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
         {SheetOption::Scale, QStringLiteral("1")}});
    return QStringLiteral(
               "Usage: kirabellum render DESIGN -o OUT [--seed N] [--loop [--cycles K]]\n"
               "                         [sheet options]\n"
               "\n"
               "Renders DESIGN exactly as the render button does, with its own frame size,\n"
               "frame count, width limit and afterimage, and writes the whole frame strip to\n"
               "OUT. DESIGN is read in the format its extension names: %1.\n"
               "Progress shows on a terminal.\n"
               "\n"
               "Options:\n"
               "  -o, --output OUT       the strip to write: .bmp (uncompressed, 24-bit) or .png;\n"
               "                         or its frames as an animation: .gif, .apng or .webp\n"
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
    const DesignFormat* designFormat = nullptr;
    QString designPath;
    QString outputPath;
    std::optional<std::uint64_t> seed; // otherwise the design's
    bool loop = false;                 // otherwise the design's
    int cycles = 1;
    common::SheetOptions sheet;
};

// Fills `options` from the words read; the problem with them, or nothing.
QString readRenderOptions(const common::CommandWords& words, RenderOptions& options) {
    if (words.isSet(seedOption)) {
        options.seed = seedFromText(words.value(seedOption));
        if (!options.seed)
            return QStringLiteral("the seed \"%1\" is not a whole number from 0 to "
                                  "18446744073709551615")
                .arg(words.value(seedOption));
    }
    options.loop = words.isSet(loopOption);
    if (words.isSet(cyclesOption) && !options.loop)
        return QStringLiteral("--cycles needs --loop");
    const common::Status cycles = words.wholeNumber(cyclesOption, 1, CyclesMaximum, options.cycles);
    if (!cycles.ok())
        return cycles.message();
    const QStringList designs = words.positional();
    if (designs.isEmpty())
        return QStringLiteral("no design given");
    if (designs.size() > 1)
        return QStringLiteral("more than one design given");
    options.designPath = designs.first();
    options.designFormat = &DesignFormat::toRead(options.designPath);
    options.outputPath = words.value(outputOption);
    if (options.outputPath.isEmpty())
        return QStringLiteral("no output given (-o OUT)");
    if (!common::imageFormatFor(options.outputPath) &&
        !common::animationFormatFor(options.outputPath, false))
        return QStringLiteral("cannot write \"%1\"; use .bmp, .png, .gif, .apng or .webp")
            .arg(options.outputPath);
    common::Status status = sheetOptions().read(words, options.sheet);
    if (status.ok())
        status = common::checkOutputOptions(options.sheet, options.outputPath);
    return status.message();
}

// The mode the options ask for, the design's own where they say nothing. The
// generator starts at 0 when neither gives a seed.
RenderMode renderMode(const RenderOptions& options, const DesignDocument& design) {
    RenderMode mode = RenderMode::of(design.Render);
    mode.loop = mode.loop || options.loop;
    mode.cycles = options.cycles;
    mode.seed = options.seed ? options.seed : mode.seed.value_or(0);
    mode.frameStep = options.sheet.frameStep;
    mode.recordMotion = options.sheet.motionVectors != common::MotionVectorPreset::None;
    mode.recordIntensity = options.sheet.colour == common::SheetColour::Intensity;
    return mode;
}

// A strip of several periods that grows over the largest image is the
// --cycles option's fault; the design alone would render.
QString cyclesProblem(const RenderOptions& options, const DesignDocument& design) {
    StripLayout layout;
    if (options.cycles == 1 || !layOutStrip(design, layout).ok() ||
        layOutStrip(design, design.FrameCount * options.cycles, layout).ok())
        return QString();
    // Only the height can grow: no row is wider than the width limit or one frame.
    const int framesThatFit = stripColumns(design.FrameSize, design.WidthLimit) *
                              (common::MaximumImageEdge / design.FrameSize);
    return QStringLiteral("--cycles %1 makes a strip of %2 frames, taller than %3 pixels; "
                          "--cycles may be at most %4 for this design")
        .arg(options.cycles)
        .arg(design.FrameCount * options.cycles)
        .arg(common::MaximumImageEdge)
        .arg(framesThatFit / design.FrameCount);
}

// The sheet's grid for the strip that `run` lays out, or the usage problem.
common::Status layOutSheet(const RenderRun& run, const common::SheetOptions& options,
                           common::SheetGrid& grid) {
    const StripLayout& strip = run.layout();
    return common::SheetGrid::layOut(
        {strip.FrameCount, strip.FrameSize * options.scale, strip.Columns}, options, grid);
}

// The ramp's first colour (with a palette, as snapped to it): the strip's
// background, which empty cells hold too.
common::Colour stripBackground(const RenderRun& run) {
    return run.background();
}

// The rendered frames a sheet or an animation keeps, enlarged by --scale.
common::SheetFrames keptFrames(const RenderRun& run, const common::SheetOptions& options) {
    const StripLayout& strip = run.layout();
    return common::enlargedFrames(
        {run.strip(), strip.grid(), strip.FrameCount, stripBackground(run), options.frameStep},
        options.scale);
}

// The rendered strip as the sheet the options ask for; with none, the strip.
QImage sheetOf(const RenderRun& run, const common::SheetGrid& grid,
               const common::SheetOptions& options) {
    return common::makeSheet(keptFrames(run, options), grid, options.alpha, stripBackground(run),
                             !options.palette.isEmpty());
}

void warnIfUnsettled(const RenderRun& run, std::ostream& err) {
    if (!run.settled())
        err << "kirabellum render: warning: the loop did not settle within "
            << RenderMode().settlingFrameLimit
            << " frames (particles still alive or an afterimage still fading); it may show a "
               "seam where the last frame flows into the first\n";
}

// Writes the rendered frames as the animation `format`; a loop's file says
// that it is one.
int writeAnimation(const RenderRun& run, const RenderOptions& options,
                   common::AnimationFormat format, double framesPerSecond, std::ostream& out,
                   std::ostream& err) {
    const common::Animation animation =
        common::sheetAnimation(keptFrames(run, options.sheet), options.sheet, stripBackground(run),
                               format, framesPerSecond, run.mode().loop);
    const common::Status status =
        common::writeSheetAnimation(options.outputPath, animation, format, options.sheet);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    warnIfUnsettled(run, err);
    if (options.sheet.dither == common::Dither::Diffusion)
        err << "kirabellum render: " << common::diffusionWarning().toStdString() << '\n';
    out << "Wrote " << animation.frames.size() << " frames of "
        << run.layout().FrameSize * options.sheet.scale << " x "
        << run.layout().FrameSize * options.sheet.scale << " pixels to "
        << options.outputPath.toStdString() << " ("
        << common::animationSummary(animation, format).toStdString() << ")\n";
    return ExitSuccess;
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
            QCommandLineOption(seedOption, QString(), QStringLiteral("N")),
            QCommandLineOption(loopOption),
            QCommandLineOption(cyclesOption, QString(), QStringLiteral("K"))} +
            sheetOptions().commandOptions());
    if (const std::optional<ExitCode> done = words.read(arguments, out, err))
        return *done;
    RenderOptions options;
    const QString problem = readRenderOptions(words, options);
    if (!problem.isEmpty())
        return words.usageError(problem, err);

    DesignDocument design;
    common::Status status = options.designFormat->read(options.designPath, design);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }

    const QString tooManyCycles = cyclesProblem(options, design);
    if (!tooManyCycles.isEmpty())
        return words.usageError(tooManyCycles, err);
    const RenderMode mode = renderMode(options, design);
    if (mode.loop) {
        status = options.sheet.checkLoop(design.FrameCount);
        if (!status.ok())
            return words.usageError(status.message(), err);
    }

    RenderMode lockedMode = mode;
    if (!options.sheet.palette.isEmpty()) {
        common::Palette palette;
        status = common::loadPalette(options.sheet.palette, palette);
        if (!status.ok()) {
            err << "kirabellum: " << status.message().toStdString() << '\n';
            return ExitFailure;
        }
        lockedMode.palette = palette;
        lockedMode.dither = options.sheet.dither;
    }

    // As the render button does: the run may go on until the last frame.
    design.RenderCancel = 1;
    RandomSource random;
    RenderRun run(random);
    status = run.PrepareRender(design, lockedMode);
    if (!status.ok()) {
        err << "kirabellum: cannot render \"" << options.designPath.toStdString()
            << "\": " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    common::SheetGrid grid;
    status = layOutSheet(run, options.sheet, grid);
    if (status.ok() && run.mode().recordIntensity)
        status = checkIntensitySheet(run.engine().preparation(), options.sheet.alpha);
    if (!status.ok())
        return words.usageError(status.message(), err);

    RenderHooks hooks;
    if (showProgress) {
        const int frameCount = run.layout().FrameCount;
        hooks.frameStarted = [&err, frameCount](int frameIndex) {
            err << "\rframe " << frameIndex + 1 << " of " << frameCount << std::flush;
        };
    }
    run.RunFrames(design, hooks);
    if (showProgress)
        err << '\n';

    const double framesPerSecond =
        options.sheet.statedFrameRate(common::captionedFrameRate(design.RefreshRate));
    if (const std::optional<common::AnimationFormat> format =
            common::animationFormatFor(options.outputPath, options.sheet.animatedPng))
        return writeAnimation(run, options, *format, framesPerSecond, out, err);
    const QImage sheet = sheetOf(run, grid, options.sheet);
    common::SheetCompanions files{
        sheet,
        common::SheetDescription::of(options.outputPath, grid, options.sheet.alpha, framesPerSecond,
                                     run.mode().loop, QString::fromLatin1(ProgramName),
                                     QString::fromLatin1(ProgramVersion)),
        {}};
    if (run.mode().recordIntensity)
        status = addIntensitySheet({&run}, options.sheet.alpha, options.outputPath, files);
    if (options.sheet.motionVectors != common::MotionVectorPreset::None)
        files.addMotionVectors({run.motionVectors()}, options.sheet.motionVectors,
                               options.sheet.frameStep, options.outputPath);
    const common::SheetDescription& description = files.description;
    if (status.ok())
        status =
            common::writeSheet(options.outputPath,
                               common::sheetToWrite(files.sheet, options.sheet, options.outputPath),
                               description, options.sheet.metadata, files.images);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    warnIfUnsettled(run, err);
    const QString warning = grid.powerOfTwoWarning();
    if (!warning.isEmpty())
        err << "kirabellum render: warning: " << warning.toStdString() << '\n';
    if (options.sheet.motionVectors == common::MotionVectorPreset::Unity)
        out << "Motion vector scale: "
            << QString::number(description.motionVectors->scale, 'g',
                               QLocale::FloatingPointShortest)
                   .toStdString()
            << " (" << description.motionVectors->imageFileName.toStdString() << ")\n";
    const int frameSize = run.layout().FrameSize * options.sheet.scale;
    out << "Wrote " << grid.frameCount() << " frames of " << frameSize << " x " << frameSize
        << " pixels to " << options.outputPath.toStdString() << " (" << sheet.width() << " x "
        << sheet.height() << ")\n";
    if (description.intensityRamp)
        out << "The sheet holds ramp indices; "
            << description.intensityRamp->imageFileName.toStdString() << " ("
            << description.intensityRamp->rampLength << " x " << description.intensityRamp->channels
            << ") holds the ramp\n";
    if (showProgress)
        err << grid.tilesText(framesPerSecond).toStdString() << '\n';
    return ExitSuccess;
}

} // namespace kirabellum
