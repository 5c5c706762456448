#include "cli/ProcessCommand.h"

#include "cli/CommandLine.h"
#include "cli/ProcessOptions.h"
#include "common/FramePlayback.h"
#include "common/ImageFile.h"
#include "common/animation/AnimationFormat.h"
#include "common/palettes/PaletteFile.h"
#include "common/palettes/PaletteMapping.h"
#include "common/sheets/AnimationAtlas.h"
#include "common/sheets/AtlasLayout.h"
#include "common/sheets/SheetAnimation.h"
#include "common/sheets/SheetFiles.h"
#include "common/sheets/SheetImage.h"
#include "core/FrameImages.h"
#include "core/FrameSelection.h"
#include "core/ProgramInfo.h"
#include "core/Recolouring.h"
#include "core/SheetOutput.h"

#include <QFileInfo>

#include <optional>
#include <ostream>
#include <utility>

namespace koratune {

namespace {

const char* const optionsText =
    "Options of process (defaults in brackets):\n"
    "  -o, --output OUT       the sheet to write, .bmp (24-bit) or .png, or its frames as\n"
    "                         an animation: .gif, .apng or .webp; with --sequence\n"
    "                         the name the frame files are named after\n"
    "  --overlay FILE         composite FILE over INPUT; its top-left colour is transparent\n"
    "  --frame-size N         edge of one square frame in pixels, 24 to 512 [160]\n"
    "  --frames N             number of frames in INPUT, 1 to 256 [10]\n"
    "  --start N              first frame used, counted from 0, below --frames [0]\n"
    "  --skip N               frames advanced per frame used, 1 to frames - 1 [1]\n"
    "  --flip-h               mirror each frame left to right\n"
    "  --flip-v               mirror each frame top to bottom\n"
    "  --hue N                hue shift in steps, 0 to 1529; 1530 steps make a turn [0]\n"
    "  --saturation N         saturation change, -255 (grey) to 255 (full colour) [0]\n"
    "  --columns N            columns of the sheet, 1 to the frames used\n"
    "                         [the square root of the frames used, rounded up]\n"
    "  --sequence             write one bitmap per frame instead of the sheet: OUT without\n"
    "                         \".bmp\", then 000, 001, ..., then \".bmp\"\n"
    "  -h, --help             show this help\n"
    "\n"
    "Sheet options, for game engines (not with --sequence):\n";

const char* const valueFormsText =
    "\n"
    "An option's value is the next word or follows an \"=\": --hue 40, --hue=40.\n";

const char* const processIntroduction =
    "Usage: koratune process INPUT -o OUT [options]\n"
    "\n"
    "Opens the frame image INPUT, composites the overlay, recolours it, lays the\n"
    "frames out as the console and the output window do, and writes the sheet or\n"
    "the numbered frame sequence.\n"
    "\n";

// The frame rate the metadata states: without --fps the console's rate
// option as it starts (the command line has none) over the frame step.
double framesPerSecond(const ProcessOptions& options) {
    return options.sheet.statedFrameRate(
        common::captionedFrameRate(common::StartRefreshRateOption));
}

// The settings that select the frames a sheet keeps: every frame step-th of
// those the start and skip select, which a skip frame step times as long selects.
SharedSettings keptSelection(const ProcessOptions& options) {
    SharedSettings settings = options.settings;
    settings.SkipStep *= options.sheet.frameStep;
    return settings;
}

// The kept frames as a sheet or an animation takes them, with the background
// and empty-cell colours: laid out as the output window lays them out on the
// sheet's columns, locked to the palette when one is given (those colours too)
// and enlarged. `workCorner` is the work image's top-left pixel, the default
// background.
struct KeptFrames {
    common::SheetFrames frames;
    common::Colour background = 0;
};

KeptFrames keptFrames(const ProcessOptions& options, QRgb workCorner,
                      const std::optional<common::Palette>& palette, QImage laidOut) {
    common::Colour black = common::makeColour(0, 0, 0);
    common::Colour background =
        options.sheet.background.value_or(common::colourFromRgb(workCorner));
    const common::SheetGrid& grid = options.grid;
    const common::FrameGrid frames(options.settings.FrameSize, grid.columns());
    if (palette) {
        common::mapFramesToPalette(laidOut, frames, grid.frameCount(), *palette,
                                   options.sheet.dither);
        black = palette->nearest(black);
        background = palette->nearest(background);
    }
    return {
        common::enlargedFrames({laidOut, frames, grid.frameCount(), black}, options.sheet.scale),
        background};
}

// The kept frames as one animation named after the output file.
common::AtlasBlock keptBlock(const ProcessOptions& options) {
    common::AtlasBlock block;
    block.name = QFileInfo(options.output).completeBaseName();
    block.framesPerSecond = framesPerSecond(options);
    block.loop = SheetFramesLoop;
    block.frameCount = FrameSelection(options.settings).count();
    block.columns = options.grid.columns();
    const int frameSize = options.settings.FrameSize * options.sheet.scale;
    block.frameSize = QSize(frameSize, frameSize);
    return block;
}

// Where the kept frames lie in the sheet: on the grid the options were read
// with, or cut as --crop or --trim asks and laid out anew. A layout the
// options cannot give is a usage error.
common::Status layOutSheet(const ProcessOptions& options, const KeptFrames& kept,
                           common::SheetAtlas& atlas) {
    if (!options.sheet.crop && !options.sheet.trim) {
        atlas = common::SheetAtlas::onGrid(options.grid, {keptBlock(options)});
        return common::Status::success();
    }
    return common::layOutAnimation(kept.frames, kept.background, keptBlock(options), options.sheet,
                                   atlas);
}

// The kept frames made into the sheet `atlas` lays out and written with its
// metadata.
common::Status writeSheetFiles(const ProcessOptions& options, const KeptFrames& kept,
                               const common::SheetAtlas& atlas) {
    const QImage sheet = common::makeSheet({kept.frames}, atlas, options.sheet.alpha,
                                           {kept.background}, !options.sheet.palette.isEmpty());
    return common::writeSheet(
        options.output, common::sheetToWrite(sheet, options.sheet, options.output),
        common::SheetDescription::of(options.output, atlas, options.sheet.alpha,
                                     QString::fromLatin1(ProgramName),
                                     QString::fromLatin1(ProgramVersion)),
        options.sheet.metadata);
}

// The kept frames written as the animation `format`; `report` says what was
// written.
common::Status writeAnimationFile(const ProcessOptions& options, const KeptFrames& kept,
                                  common::AnimationFormat format, QString& report) {
    const common::Animation animation =
        common::sheetAnimation(kept.frames, options.sheet, kept.background, format,
                               framesPerSecond(options), SheetFramesLoop);
    const common::Status status =
        common::writeSheetAnimation(options.output, animation, format, options.sheet);
    if (status.ok())
        report = QStringLiteral("Wrote %1 frames of %2 x %2 pixels to %3 (%4)")
                     .arg(animation.frames.size())
                     .arg(options.settings.FrameSize * options.sheet.scale)
                     .arg(options.output, common::animationSummary(animation, format));
    return status;
}

// The frame image with the overlay composited: the work image of the windows,
// without their base and overlay images, which the command does not need.
common::Status readWorkImage(const ProcessOptions& options, QImage& work) {
    FrameImages images;
    common::Status status = images.OpenPic(options.input);
    if (status.ok() && !options.overlay.isEmpty())
        status = images.UnionPic(options.overlay);
    if (status.ok())
        work = images.work();
    return status;
}

// What process wrote, for the terminal: what an animation holds, or where a
// sheet's frames lie.
struct Written {
    QString report;
    common::SheetAtlas atlas;
    // The options could not lay the sheet out (a usage error).
    bool layoutRefused = false;
};

// Reads, recolours, lays out and writes what the options ask for.
common::Status process(const ProcessOptions& options, Written& written) {
    std::optional<common::Palette> palette;
    if (!options.sheet.palette.isEmpty()) {
        palette.emplace();
        const common::Status loaded = common::loadPalette(options.sheet.palette, *palette);
        if (!loaded.ok())
            return loaded;
    }
    // Frame images may be large (a strip of 1536 x 32256 pixels takes 189 MiB):
    // the work image is recoloured where it is and let go once laid out.
    QImage work;
    common::Status status = readWorkImage(options, work);
    if (!status.ok())
        return status;
    Recolouring().RecolourImage(work, options.settings);

    QImage sheet;
    // A sequence takes no sheet options: it keeps every frame used.
    const int columns = options.sequence ? options.columns : options.grid.columns();
    status = ComposeSheet(work, keptSelection(options), columns, sheet);
    const QRgb workCorner = work.pixel(0, 0);
    work = QImage();
    if (!status.ok())
        return status;
    if (options.sequence)
        return writeSequence(options.output, sheet, options.settings);
    const KeptFrames kept = keptFrames(options, workCorner, palette, std::move(sheet));
    if (const std::optional<common::AnimationFormat> format =
            common::animationFormatFor(options.output, options.sheet.animatedPng))
        return writeAnimationFile(options, kept, *format, written.report);
    status = layOutSheet(options, kept, written.atlas);
    if (!status.ok()) {
        written.layoutRefused = true;
        return status;
    }
    return writeSheetFiles(options, kept, written.atlas);
}

} // namespace

QString processOptionsHelp() {
    using common::SheetOption;
    const QString sheetHelp = ProcessOptions::sheetOptions().help(
        {{SheetOption::Alpha, QStringLiteral("additive")},
         {SheetOption::Background, QStringLiteral("the work image's top-left pixel")},
         {SheetOption::MaxSize, QString::number(common::MaximumImageEdge)},
         {SheetOption::Padding, QStringLiteral("0")},
         {SheetOption::Fps, QStringLiteral("15, the rate the console starts with")},
         {SheetOption::FrameStep, QStringLiteral("1")},
         {SheetOption::Repeat, QStringLiteral("forever")},
         {SheetOption::Quality, QStringLiteral("lossless")},
         {SheetOption::Palette, QStringLiteral("none")},
         {SheetOption::Dither, QStringLiteral("none")},
         {SheetOption::Scale, QStringLiteral("1")}});
    return QString::fromUtf8(optionsText) + sheetHelp + QString::fromUtf8(valueFormsText);
}

int runProcessCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                      bool showTiles) {
    common::CommandWords words(
        QStringLiteral("koratune process"),
        QStringLiteral(
            "Usage: koratune process INPUT -o OUT [options]; see koratune process --help\n"),
        QString::fromUtf8(processIntroduction) + processOptionsHelp(),
        ProcessOptions::commandOptions());
    if (const std::optional<ExitCode> done = words.read(arguments, out, err))
        return *done;
    ProcessOptions options;
    const common::Status read = ProcessOptions::read(words, options);
    if (!read.ok())
        return words.usageError(read.message(), err);
    Written written;
    const common::Status status = process(options, written);
    if (written.layoutRefused)
        return words.usageError(status.message(), err);
    if (!status.ok()) {
        err << "koratune: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    const QString& report = written.report;
    if (!report.isEmpty())
        out << report.toStdString() << '\n';
    if (!report.isEmpty() && options.sheet.dither == common::Dither::Diffusion)
        err << "koratune process: " << common::diffusionWarning().toStdString() << '\n';
    if (options.sequence)
        return ExitSuccess;
    // An animation's frames lie on the grid the options were read with, and
    // it has no tiles.
    const bool sheet = report.isEmpty();
    const common::SheetAtlas& atlas = written.atlas;
    const std::optional<common::SheetGrid> grid = sheet ? atlas.grid : options.grid;
    for (const QString& warning : {grid ? grid->powerOfTwoWarning() : QString(),
                                   sheet ? common::atlasGridWarning(atlas) : QString()})
        if (!warning.isEmpty())
            err << "koratune process: warning: " << warning.toStdString() << '\n';
    if (showTiles && sheet)
        err << common::atlasTilesText(atlas).toStdString() << '\n';
    return ExitSuccess;
}

} // namespace koratune
