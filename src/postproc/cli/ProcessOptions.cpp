#include "cli/ProcessOptions.h"

#include "core/FrameSelection.h"
#include "common/ImageFile.h"
#include "core/SheetLayout.h"

namespace koratune {

namespace {

// The raw words, before their ranges are checked.
struct Words {
    QStringList positional;
    QString output, overlay, frameSize, frames, start, skip, hue, saturation, columns;
    bool flipHorizontal = false;
    bool flipVertical = false;
    bool sequence = false;
};

QString* valueSlot(Words& words, const QString& name) {
    const struct {
        const char* name;
        QString Words::*slot;
    } slots[] = {
        {"-o", &Words::output},
        {"--output", &Words::output},
        {"--overlay", &Words::overlay},
        {"--frame-size", &Words::frameSize},
        {"--frames", &Words::frames},
        {"--start", &Words::start},
        {"--skip", &Words::skip},
        {"--hue", &Words::hue},
        {"--saturation", &Words::saturation},
        {"--columns", &Words::columns},
    };
    for (const auto& entry : slots) {
        if (name == QLatin1String(entry.name))
            return &(words.*entry.slot);
    }
    return nullptr;
}

bool* flagSlot(Words& words, const QString& name) {
    if (name == QStringLiteral("--flip-h"))
        return &words.flipHorizontal;
    if (name == QStringLiteral("--flip-v"))
        return &words.flipVertical;
    if (name == QStringLiteral("--sequence"))
        return &words.sequence;
    return nullptr;
}

common::Status splitWords(const QStringList& arguments, Words& words) {
    for (int index = 0; index < arguments.size(); ++index) {
        const QString& word = arguments[index];
        if (!word.startsWith(QLatin1Char('-')) || word == QStringLiteral("-")) {
            words.positional << word;
            continue;
        }
        // "--hue=40" is taken like "--hue 40".
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? word : word.left(equals);
        if (bool* flag = flagSlot(words, name)) {
            if (equals >= 0)
                return common::Status::failure(QStringLiteral("%1 takes no value").arg(name));
            *flag = true;
        } else if (QString* slot = valueSlot(words, name)) {
            if (equals >= 0) {
                *slot = word.mid(equals + 1);
            } else if (index + 1 < arguments.size()) {
                *slot = arguments[++index];
            } else {
                return common::Status::failure(QStringLiteral("%1 expects a value").arg(name));
            }
            if (slot->isEmpty())
                return common::Status::failure(QStringLiteral("%1 expects a value").arg(name));
        } else {
            return common::Status::failure(QStringLiteral("unknown option \"%1\"").arg(word));
        }
    }
    return common::Status::success();
}

// Reads a number given on the command line into `number`; an option not
// given keeps its default.
common::Status checkNumber(const char* option, const QString& text, int minimum, int maximum, int& number) {
    if (text.isNull())
        return common::Status::success();
    const QString name = QString::fromLatin1(option);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return common::Status::failure(
            QStringLiteral("%1 expects a whole number, not \"%2\"").arg(name, text));
    if (value < minimum || value > maximum)
        return common::Status::failure(QStringLiteral("%1 must be from %2 to %3, not %4")
                                   .arg(name)
                                   .arg(minimum)
                                   .arg(maximum)
                                   .arg(value));
    number = value;
    return common::Status::success();
}

} // namespace

common::Status ProcessOptions::parse(const QStringList& arguments, ProcessOptions& options) {
    Words words;
    common::Status status = splitWords(arguments, words);
    if (!status.ok())
        return status;
    if (words.positional.size() != 1)
        return common::Status::failure(words.positional.isEmpty()
                                   ? QStringLiteral("expected the INPUT image")
                                   : QStringLiteral("expected one INPUT image, not \"%1\"")
                                         .arg(words.positional.join(QStringLiteral("\", \""))));
    if (words.output.isNull())
        return common::Status::failure(QStringLiteral("expected -o OUT"));
    if (!words.sequence && !common::imageFormatFor(words.output))
        return common::Status::failure(
            QStringLiteral("cannot tell the format of \"%1\"; use .bmp or .png").arg(words.output));

    ProcessOptions parsed;
    parsed.input = words.positional.first();
    parsed.output = words.output;
    parsed.overlay = words.overlay;
    parsed.sequence = words.sequence;
    SharedSettings& settings = parsed.settings;
    settings.FlipHorizontal = words.flipHorizontal;
    settings.FlipVertical = words.flipVertical;

    for (const common::Status& checked :
         {checkNumber("--frame-size", words.frameSize, MinimumFrameSize, MaximumFrameSize,
                      settings.FrameSize),
          checkNumber("--frames", words.frames, 1, MaximumFrameCount, settings.FrameCount),
          checkNumber("--hue", words.hue, 0, MaximumHueShift, settings.HueShift),
          checkNumber("--saturation", words.saturation, -MaximumSaturationShift,
                      MaximumSaturationShift, settings.SaturationShift)}) {
        if (!checked.ok())
            return checked;
    }
    status = checkNumber("--start", words.start, 0, settings.FrameCount - 1, settings.StartFrame);
    if (status.ok())
        status = checkNumber("--skip", words.skip, 1, maximumSkipStep(settings.FrameCount),
                             settings.SkipStep);
    if (!status.ok())
        return status;

    const int framesUsed = FrameSelection(settings).count();
    parsed.columns = SheetLayout::initialColumns(framesUsed);
    status = checkNumber("--columns", words.columns, 1, framesUsed, parsed.columns);
    if (status.ok())
        status = SheetLayout(settings, parsed.columns).check();
    if (!status.ok())
        return status;

    options = parsed;
    return common::Status::success();
}

} // namespace koratune
