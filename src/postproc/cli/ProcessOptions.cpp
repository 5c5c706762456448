#include "cli/ProcessOptions.h"

#include "common/ImageFile.h"
#include "common/animation/AnimationFormat.h"
#include "common/sheets/SheetAnimation.h"
#include "core/FrameSelection.h"
#include "core/SheetLayout.h"

#include <optional>

namespace koratune {

namespace {

const char* const valueOptions[] = {"overlay", "frame-size", "frames",     "start",
                                    "skip",    "hue",        "saturation", "columns"};
const char* const switchOptions[] = {"flip-h", "flip-v", "sequence"};

const QString outputOption = QStringLiteral("output");

// The value given for an option, or a null string when it is not given.
QString given(const common::CommandWords& words, const char* option) {
    const QString name = QString::fromLatin1(option);
    return words.isSet(name) ? words.value(name) : QString();
}

// Reads a number given on the command line into `number`; an option not
// given keeps its default.
common::Status checkNumber(const common::CommandWords& words, const char* option, int minimum,
                           int maximum, int& number) {
    return words.wholeNumber(QString::fromLatin1(option), minimum, maximum, number);
}

// A sequence is frames written one by one as bitmaps: none of the sheet's
// options applies, and no metadata format describes separate files.
common::Status checkSequence(const common::CommandWords& words) {
    const std::optional<QString> sheetOption = ProcessOptions::sheetOptions().firstGiven(words);
    if (!sheetOption)
        return common::Status::success();
    return common::Status::failure(
        QStringLiteral("%1 applies to a sheet, not to --sequence").arg(*sheetOption));
}

// The sheet options read and the grid they lay the used frames out on.
common::Status readSheet(const common::CommandWords& words, ProcessOptions& options) {
    common::Status status = ProcessOptions::sheetOptions().read(words, options.sheet);
    if (!status.ok())
        return status;
    if (options.sequence)
        return checkSequence(words);
    if (words.isSet(QStringLiteral("columns")))
        options.sheet.columns = options.columns;
    status = common::checkOutputOptions(options.sheet, options.output);
    if (!status.ok())
        return status;
    // A cut sheet (--crop, --trim) is laid out once what its frames draw is
    // known; until then its grid only holds the used frames, whole and within
    // no --max-size or power-of-two edges.
    common::SheetOptions gridOptions = options.sheet;
    if (options.sheet.crop || options.sheet.trim) {
        gridOptions.maxSize = 0;
        gridOptions.powerOfTwo = false;
    }
    // Without --columns the sheet takes the output window's first columns for
    // the frames it keeps.
    const int framesUsed = FrameSelection(options.settings).count();
    return common::SheetGrid::layOut(
        {framesUsed, options.settings.FrameSize * options.sheet.scale,
         SheetLayout::initialColumns(options.sheet.keptFrameCount(framesUsed))},
        gridOptions, options.grid);
}

} // namespace

const common::SheetCommandOptions& ProcessOptions::sheetOptions() {
    using common::SheetOption;
    static const common::SheetCommandOptions options(
        {SheetOption::Alpha, SheetOption::Background, SheetOption::MaxSize, SheetOption::PowerOfTwo,
         SheetOption::Padding, SheetOption::Metadata, SheetOption::Fps, SheetOption::FrameStep,
         SheetOption::Animation, SheetOption::Repeat, SheetOption::Quality, SheetOption::Palette,
         SheetOption::Dither, SheetOption::Scale, SheetOption::Crop, SheetOption::Trim});
    return options;
}

QList<QCommandLineOption> ProcessOptions::commandOptions() {
    QList<QCommandLineOption> options = {
        QCommandLineOption({QStringLiteral("o"), outputOption}, QString(), QStringLiteral("OUT"))};
    for (const char* name : valueOptions)
        options << QCommandLineOption(QString::fromLatin1(name), QString(),
                                      QStringLiteral("VALUE"));
    for (const char* name : switchOptions)
        options << QCommandLineOption(QString::fromLatin1(name));
    return options + sheetOptions().commandOptions();
}

common::Status ProcessOptions::read(const common::CommandWords& words, ProcessOptions& options) {
    const QStringList positional = words.positional();
    if (positional.size() != 1)
        return common::Status::failure(positional.isEmpty()
                                           ? QStringLiteral("expected the INPUT image")
                                           : QStringLiteral("expected one INPUT image, not \"%1\"")
                                                 .arg(positional.join(QStringLiteral("\", \""))));
    const bool sequence = words.isSet(QStringLiteral("sequence"));
    const QString output = words.value(outputOption);
    if (!words.isSet(outputOption))
        return common::Status::failure(QStringLiteral("expected -o OUT"));
    if (!sequence && !common::imageFormatFor(output) && !common::animationFormatFor(output, false))
        return common::Status::failure(
            QStringLiteral("cannot tell the format of \"%1\"; use .bmp, .png, .gif, .apng or .webp")
                .arg(output));

    ProcessOptions parsed;
    parsed.input = positional.first();
    parsed.output = output;
    parsed.overlay = given(words, "overlay");
    parsed.sequence = sequence;
    SharedSettings& settings = parsed.settings;
    settings.FlipHorizontal = words.isSet(QStringLiteral("flip-h"));
    settings.FlipVertical = words.isSet(QStringLiteral("flip-v"));

    for (const common::Status& checked :
         {checkNumber(words, "frame-size", MinimumFrameSize, MaximumFrameSize, settings.FrameSize),
          checkNumber(words, "frames", 1, MaximumFrameCount, settings.FrameCount),
          checkNumber(words, "hue", 0, MaximumHueShift, settings.HueShift),
          checkNumber(words, "saturation", -MaximumSaturationShift, MaximumSaturationShift,
                      settings.SaturationShift)}) {
        if (!checked.ok())
            return checked;
    }
    common::Status status =
        checkNumber(words, "start", 0, settings.FrameCount - 1, settings.StartFrame);
    if (status.ok())
        status =
            checkNumber(words, "skip", 1, maximumSkipStep(settings.FrameCount), settings.SkipStep);
    if (!status.ok())
        return status;

    const int framesUsed = FrameSelection(settings).count();
    parsed.columns = SheetLayout::initialColumns(framesUsed);
    status = checkNumber(words, "columns", 1, framesUsed, parsed.columns);
    if (status.ok())
        status = SheetLayout(settings, parsed.columns).check();
    if (status.ok())
        status = readSheet(words, parsed);
    if (!status.ok())
        return status;

    options = parsed;
    return common::Status::success();
}

} // namespace koratune
