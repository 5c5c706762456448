#include "common/sheets/SheetAnimation.h"

#include "common/AtomicFile.h"
#include "common/animation/ApngWriter.h"
#include "common/animation/GifWriter.h"
#include "common/animation/WebPWriter.h"
#include "common/sheets/AlphaConversion.h"
#include "common/sheets/SheetOptionTable.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

namespace common {

namespace {

QString optionName(SheetOption option) {
    return QStringLiteral("--") + QString::fromLatin1(sheetOptionRow(option).name);
}

// The first option given that lays out or describes a sheet, which an
// animation has none of; empty when there is none.
QString sheetOnlyOption(const SheetOptions& options) {
    if (!options.metadata.empty())
        return optionName(SheetOption::Metadata);
    if (options.columns)
        return optionName(SheetOption::Columns);
    if (options.maxSize != 0)
        return optionName(SheetOption::MaxSize);
    if (options.powerOfTwo)
        return optionName(SheetOption::PowerOfTwo);
    if (options.padding != 0)
        return optionName(SheetOption::Padding);
    if (options.motionVectors != MotionVectorPreset::None)
        return optionName(SheetOption::MotionVectors);
    if (options.colour == SheetColour::Intensity)
        return optionName(SheetOption::ColourMode) + QLatin1Char(' ') +
               sheetColourName(options.colour);
    if (options.crop)
        return optionName(SheetOption::Crop);
    if (options.trim)
        return optionName(SheetOption::Trim);
    return QString();
}

Status checkAnimation(const SheetOptions& options, const QString& path, AnimationFormat format) {
    const QString sheetOnly = sheetOnlyOption(options);
    if (!sheetOnly.isEmpty())
        return Status::failure(
            QCoreApplication::translate("common::SheetAnimation",
                                        "%1 applies to a sheet, not to the animation \"%2\"")
                .arg(sheetOnly, path));
    if (options.quality && format != AnimationFormat::WebP)
        return Status::failure(QCoreApplication::translate("common::SheetAnimation",
                                                           "%1 needs a .webp output, not \"%2\"")
                                   .arg(optionName(SheetOption::Quality), path));
    if (options.animatedPng && QFileInfo(path).suffix().toLower() != QLatin1String("png"))
        return Status::failure(
            QCoreApplication::translate("common::SheetOptions",
                                        "%1 needs a .png output, not \"%2\"")
                .arg(optionName(SheetOption::Animation) + QStringLiteral(" apng"), path));
    if (format == AnimationFormat::Gif && options.alpha == AlphaMode::Premultiplied)
        return Status::failure(
            QCoreApplication::translate(
                "common::SheetAnimation",
                "--alpha premultiplied cannot be written to the GIF \"%1\": a GIF has one "
                "transparent colour and no alpha between; use --alpha straight or additive, or "
                "an .apng or .webp output")
                .arg(path));
    return Status::success();
}

// A GIF frame in the straight mode: transparent exactly where it shows the
// background, opaque everywhere else.
QImage keyedFrame(const QImage& frame, Colour background) {
    QImage keyed = frame.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = colourToRgb(background) & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    return keyed;
}

// Frame `frame` of `frames` as the sheet holds it before its alpha: the frame's
// cell, and the cell colour a sheet shows where the cell leaves the image.
QImage opaqueFrame(const SheetFrames& frames, int frame, Colour cellColour) {
    const QRect cell = frames.grid.cellRect(frame);
    QImage picture(cell.size(), QImage::Format_RGB32);
    picture.fill(colourToRgb(cellColour));
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect inside = cell.intersected(frames.image.rect());
    painter.drawImage(inside.topLeft() - cell.topLeft(),
                      frames.image.copy(inside).convertToFormat(QImage::Format_RGB32));
    return picture;
}

QString formatName(AnimationFormat format) {
    switch (format) {
    case AnimationFormat::Gif:
        return QStringLiteral("GIF");
    case AnimationFormat::Apng:
        return QStringLiteral("APNG");
    case AnimationFormat::WebP:
        break;
    }
    return QStringLiteral("WebP");
}

} // namespace

Status checkOutputOptions(const SheetOptions& options, const QString& path) {
    if (const std::optional<AnimationFormat> format = animationFormatFor(path, options.animatedPng))
        return checkAnimation(options, path, *format);
    for (const auto& [given, option] :
         {std::pair{options.repeat != 0, SheetOption::Repeat},
          std::pair{options.quality.has_value(), SheetOption::Quality}})
        if (given)
            return Status::failure(
                QCoreApplication::translate("common::SheetAnimation",
                                            "%1 applies to an animation (.gif, .apng, .webp, or "
                                            ".png with --animation apng), not to the sheet \"%2\"")
                    .arg(optionName(option), path));
    return options.checkOutput(path);
}

Animation sheetAnimation(const SheetFrames& frames, const SheetOptions& options, Colour background,
                         AnimationFormat format, double framesPerSecond, bool loop) {
    Animation animation;
    animation.framesPerSecond = framesPerSecond;
    animation.plays = options.repeat;
    if (loop)
        animation.comment = QStringLiteral("loop");
    const bool additive = options.alpha == AlphaMode::Additive;
    const Colour cellColour = additive ? frames.emptyCellColour : background;
    for (int frame = 0; frame < frames.frameCount; frame += frames.frameStep) {
        const QImage opaque = opaqueFrame(frames, frame, cellColour);
        animation.frames.push_back(
            format == AnimationFormat::Gif && options.alpha == AlphaMode::Straight
                ? keyedFrame(opaque, background)
                : withAlpha(opaque, options.alpha, background, !options.palette.isEmpty())
                      .convertToFormat(QImage::Format_ARGB32));
    }
    return animation;
}

Status writeSheetAnimation(const QString& path, const Animation& animation, AnimationFormat format,
                           const SheetOptions& options) {
    // An APNG's frame count is written last, so it is made in memory first.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Status status = Status::success();
    switch (format) {
    case AnimationFormat::Gif:
        status = writeGif(buffer, animation, options.dither == Dither::Diffusion);
        break;
    case AnimationFormat::Apng:
        status = writeApng(buffer, animation);
        break;
    case AnimationFormat::WebP:
        status = writeWebP(buffer, animation, options.quality);
        break;
    }
    if (status.ok())
        status = writeFileAtomically(path, buffer.data());
    return status.prefixed(
        QCoreApplication::translate("common::SheetFiles", "Cannot write the picture \"%1\"")
            .arg(path));
}

QString diffusionWarning() {
    return QStringLiteral("warning: diffusion dithering shimmers in an animation; "
                          "--dither ordered keeps still areas still");
}

QString animationSummary(const Animation& animation, AnimationFormat format) {
    const QString plays = animation.plays == 0   ? QStringLiteral("forever")
                          : animation.plays == 1 ? QStringLiteral("1 play")
                                                 : QStringLiteral("%1 plays").arg(animation.plays);
    return QStringLiteral("%1, %2 fps, %3")
        .arg(formatName(format), frameRateText(animation.framesPerSecond), plays);
}

} // namespace common
