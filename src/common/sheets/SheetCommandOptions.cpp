#include "common/sheets/SheetCommandOptions.h"

#include <algorithm>
#include <climits>

namespace common {

namespace {

// Where a help line's text starts, as in both programs' helps.
constexpr int HelpIndent = 25;
constexpr int HelpWidth = 80;

QString nameOf(SheetOption option) {
    return QString::fromLatin1(sheetOptionRow(option).name);
}

QString typed(SheetOption option) {
    return QStringLiteral("--") + nameOf(option);
}

// "additive, straight or premultiplied".
QString oneOf(const QStringList& names) {
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") +
           names.last();
}

Status readNumber(const CommandWords& words, SheetOption option, int& number) {
    // The columns' range depends on the frames: here they only need to be a
    // whole number.
    const SheetOptionRow& row = sheetOptionRow(option);
    const int maximum = row.maximum > 0 ? row.maximum : INT_MAX;
    const int minimum = row.maximum > 0 ? row.minimum : INT_MIN;
    return words.wholeNumber(nameOf(option), minimum, maximum, number);
}

Status readAlpha(const CommandWords& words, SheetOptions& options) {
    const QString name = nameOf(SheetOption::Alpha);
    if (!words.isSet(name))
        return Status::success();
    const std::optional<AlphaMode> mode = alphaModeNamed(words.value(name));
    if (!mode)
        return Status::failure(
            QStringLiteral("%1 expects %2, not \"%3\"")
                .arg(typed(SheetOption::Alpha), oneOf(alphaModeNames()), words.value(name)));
    options.alpha = *mode;
    return Status::success();
}

Status readMotionVectors(const CommandWords& words, SheetOptions& options) {
    const QString name = nameOf(SheetOption::MotionVectors);
    if (!words.isSet(name))
        return Status::success();
    const std::optional<MotionVectorPreset> preset = motionVectorPresetNamed(words.value(name));
    if (!preset)
        return Status::failure(QStringLiteral("%1 expects %2, not \"%3\"")
                                   .arg(typed(SheetOption::MotionVectors),
                                        oneOf(motionVectorPresetNames()), words.value(name)));
    options.motionVectors = *preset;
    return Status::success();
}

Status readColour(const CommandWords& words, SheetOptions& options) {
    const QString name = nameOf(SheetOption::ColourMode);
    if (!words.isSet(name))
        return Status::success();
    const std::optional<SheetColour> colour = sheetColourNamed(words.value(name));
    if (!colour)
        return Status::failure(
            QStringLiteral("%1 expects %2, not \"%3\"")
                .arg(typed(SheetOption::ColourMode), oneOf(sheetColourNames()), words.value(name)));
    options.colour = *colour;
    return Status::success();
}

Status readAnimation(const CommandWords& words, SheetOptions& options) {
    const QString name = nameOf(SheetOption::Animation);
    if (!words.isSet(name))
        return Status::success();
    if (words.value(name) != QLatin1String("apng"))
        return Status::failure(QStringLiteral("%1 expects apng, not \"%2\"")
                                   .arg(typed(SheetOption::Animation), words.value(name)));
    options.animatedPng = true;
    return Status::success();
}

Status readQuality(const CommandWords& words, SheetOptions& options) {
    if (!words.isSet(nameOf(SheetOption::Quality)))
        return Status::success();
    int quality = 0;
    const Status status = readNumber(words, SheetOption::Quality, quality);
    if (status.ok())
        options.quality = quality;
    return status;
}

Status readDither(const CommandWords& words, SheetOptions& options) {
    const QString name = nameOf(SheetOption::Dither);
    if (!words.isSet(name))
        return Status::success();
    const std::optional<Dither> dither = ditherNamed(words.value(name));
    if (!dither)
        return Status::failure(
            QStringLiteral("%1 expects %2, not \"%3\"")
                .arg(typed(SheetOption::Dither), oneOf(ditherNames()), words.value(name)));
    options.dither = *dither;
    return Status::success();
}

Status readBackground(const CommandWords& words, SheetOptions& options) {
    const QString name = nameOf(SheetOption::Background);
    if (!words.isSet(name))
        return Status::success();
    Colour colour = 0;
    if (!colourFromHex(words.value(name), colour))
        return Status::failure(QStringLiteral("%1 expects a colour as #RRGGBB, not \"%2\"")
                                   .arg(typed(SheetOption::Background), words.value(name)));
    options.background = colour;
    return Status::success();
}

Status readColumns(const CommandWords& words, SheetOptions& options) {
    if (!words.isSet(nameOf(SheetOption::Columns)))
        return Status::success();
    int columns = 0;
    const Status status = readNumber(words, SheetOption::Columns, columns);
    if (status.ok())
        options.columns = columns;
    return status;
}

Status readMetadata(const CommandWords& words, SheetOptions& options) {
    for (const QString& name : words.values(nameOf(SheetOption::Metadata))) {
        const std::optional<MetadataFormat> format = metadataFormatNamed(name);
        if (!format)
            return Status::failure(
                QStringLiteral("%1 expects %2, not \"%3\"")
                    .arg(typed(SheetOption::Metadata), oneOf(metadataFormatNames()), name));
        if (std::find(options.metadata.begin(), options.metadata.end(), *format) ==
            options.metadata.end())
            options.metadata.push_back(*format);
    }
    return Status::success();
}

Status readOption(const CommandWords& words, SheetOption option, SheetOptions& options) {
    switch (option) {
    case SheetOption::Alpha:
        return readAlpha(words, options);
    case SheetOption::Background:
        return readBackground(words, options);
    case SheetOption::Columns:
        return readColumns(words, options);
    case SheetOption::MaxSize:
        return readNumber(words, option, options.maxSize);
    case SheetOption::PowerOfTwo:
        options.powerOfTwo = words.isSet(nameOf(option));
        return Status::success();
    case SheetOption::Padding:
        return readNumber(words, option, options.padding);
    case SheetOption::Metadata:
        return readMetadata(words, options);
    case SheetOption::Fps:
        return readNumber(words, option, options.fps);
    case SheetOption::FrameStep:
        return readNumber(words, option, options.frameStep);
    case SheetOption::MotionVectors:
        return readMotionVectors(words, options);
    case SheetOption::ColourMode:
        return readColour(words, options);
    case SheetOption::Animation:
        return readAnimation(words, options);
    case SheetOption::Repeat:
        return readNumber(words, option, options.repeat);
    case SheetOption::Quality:
        return readQuality(words, options);
    case SheetOption::Palette:
        options.palette = words.value(nameOf(option));
        return Status::success();
    case SheetOption::Dither:
        return readDither(words, options);
    case SheetOption::Scale:
        return readNumber(words, option, options.scale);
    case SheetOption::Variants:
        return readNumber(words, option, options.variants);
    case SheetOption::Crop:
        options.crop = words.isSet(nameOf(option));
        return Status::success();
    case SheetOption::Trim:
        options.trim = words.isSet(nameOf(option));
        return Status::success();
    }
    return Status::success();
}

} // namespace

SheetCommandOptions::SheetCommandOptions(std::vector<SheetOption> offered)
    : offered_(std::move(offered)) {}

bool SheetCommandOptions::offers(SheetOption option) const {
    return std::find(offered_.begin(), offered_.end(), option) != offered_.end();
}

QList<QCommandLineOption> SheetCommandOptions::commandOptions() const {
    QList<QCommandLineOption> options;
    for (const SheetOption option : offered_) {
        const SheetOptionRow& row = sheetOptionRow(option);
        options << QCommandLineOption(QString::fromLatin1(row.name), QString(),
                                      QString::fromLatin1(row.valueName));
    }
    return options;
}

QString SheetCommandOptions::help(const std::map<SheetOption, QString>& defaults) const {
    QString text;
    for (const SheetOptionRow& row : sheetOptionTable()) {
        if (!offers(row.option))
            continue;
        QString head = QStringLiteral("  --") + QString::fromLatin1(row.name);
        if (*row.valueName != '\0')
            head += QLatin1Char(' ') + QString::fromLatin1(row.valueName);
        QString description = QString::fromLatin1(row.help);
        if (row.maximum > 0)
            description = description.arg(row.minimum).arg(row.maximum);
        QStringList lines = description.split(QLatin1Char('\n'));
        const auto found = defaults.find(row.option);
        if (found != defaults.end()) {
            const QString bracketed = QStringLiteral("[%1]").arg(found->second);
            if (HelpIndent + lines.last().size() + 1 + bracketed.size() <= HelpWidth)
                lines.last() += QLatin1Char(' ') + bracketed;
            else
                lines << bracketed;
        }
        if (head.size() >= HelpIndent - 1)
            text += head + QLatin1Char('\n') + QString(HelpIndent, QLatin1Char(' '));
        else
            text += head.leftJustified(HelpIndent, QLatin1Char(' '));
        text += lines.join(QLatin1Char('\n') + QString(HelpIndent, QLatin1Char(' '))) +
                QLatin1Char('\n');
    }
    return text;
}

std::optional<QString> SheetCommandOptions::firstGiven(const CommandWords& words) const {
    for (const SheetOption option : offered_)
        if (words.isSet(nameOf(option)))
            return typed(option);
    return std::nullopt;
}

Status SheetCommandOptions::read(const CommandWords& words, SheetOptions& options) const {
    SheetOptions read;
    for (const SheetOption option : offered_) {
        const Status status = readOption(words, option, read);
        if (!status.ok())
            return status;
    }
    options = read;
    return Status::success();
}

} // namespace common
