#include "common/sheets/SheetOptions.h"

#include "common/ImageFile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace common {

namespace {

const char* const alphaModeNameTable[] = {"additive", "straight", "premultiplied"};
const char* const metadataFormatNameTable[] = {"json-hash", "json-array", "godot"};
// Without None, which has no name: index + 1 is the preset.
const char* const motionVectorPresetNameTable[] = {"unity", "raw16"};
const char* const sheetColourNameTable[] = {"colour", "intensity"};
const char* const ditherNameTable[] = {"none", "ordered", "diffusion"};

template <typename Enum, std::size_t Count>
std::optional<Enum> named(const char* const (&table)[Count], const QString& name) {
    for (std::size_t index = 0; index < Count; ++index)
        if (name == QLatin1String(table[index]))
            return static_cast<Enum>(index);
    return std::nullopt;
}

template <std::size_t Count> QStringList allNames(const char* const (&table)[Count]) {
    QStringList names;
    for (const char* name : table)
        names << QString::fromLatin1(name);
    return names;
}

bool writes(const SheetOptions& options, MetadataFormat format) {
    return std::find(options.metadata.begin(), options.metadata.end(), format) !=
           options.metadata.end();
}

} // namespace

Status SheetOptions::checkOutput(const QString& imagePath) const {
    const bool png = imageFormatFor(imagePath) == ImageFormat::Png;
    const auto needsPng = [&imagePath](const QString& option) {
        return Status::failure(QCoreApplication::translate("common::SheetOptions",
                                                           "%1 needs a .png output, not \"%2\"")
                                   .arg(option, imagePath));
    };
    if (alpha != AlphaMode::Additive && !png)
        return needsPng(QCoreApplication::translate("common::SheetOptions", "--alpha %1")
                            .arg(alphaModeName(alpha)));
    if (colour == SheetColour::Intensity && !png)
        return needsPng(QCoreApplication::translate("common::SheetOptions", "--colour %1")
                            .arg(sheetColourName(colour)));
    const auto refused = [](const QString& option, const QString& other) {
        return Status::failure(
            QCoreApplication::translate("common::SheetOptions", "%1 does not go with %2")
                .arg(option, other));
    };
    if (dither != Dither::None && palette.isEmpty())
        return Status::failure(
            QCoreApplication::translate("common::SheetOptions", "--dither %1 needs --palette")
                .arg(ditherName(dither)));
    const QString intensity = QStringLiteral("--colour %1").arg(sheetColourName(colour));
    if (!palette.isEmpty() && colour == SheetColour::Intensity)
        return refused(QStringLiteral("--palette"), intensity);
    const QString scaled = QStringLiteral("--scale %1").arg(scale);
    if (scale > 1 && colour == SheetColour::Intensity)
        return refused(scaled, intensity);
    if (scale > 1 && motionVectors != MotionVectorPreset::None)
        return refused(
            scaled,
            QStringLiteral("--motion-vectors %1").arg(motionVectorPresetName(motionVectors)));
    if (trim && crop)
        return refused(QStringLiteral("--trim"), QStringLiteral("--crop"));
    if (trim && columns)
        return refused(QStringLiteral("--trim"), QStringLiteral("--columns"));
    if (trim && motionVectors != MotionVectorPreset::None)
        return refused(
            QStringLiteral("--trim"),
            QStringLiteral("--motion-vectors %1").arg(motionVectorPresetName(motionVectors)));
    if (writes(*this, MetadataFormat::JsonHash) && writes(*this, MetadataFormat::JsonArray))
        return Status::failure(QCoreApplication::translate(
            "common::SheetOptions",
            "--metadata json-hash and json-array would both write the same .json; choose one"));
    return Status::success();
}

int SheetOptions::keptFrameCount(int frameCount) const {
    return (frameCount + frameStep - 1) / frameStep;
}

double SheetOptions::statedFrameRate(int framesPerSecond) const {
    if (fps > 0)
        return fps;
    return static_cast<double>(framesPerSecond) / frameStep;
}

Status SheetOptions::checkLoop(int periodFrames) const {
    if (periodFrames % frameStep == 0)
        return Status::success();
    return Status::failure(
        QCoreApplication::translate("common::SheetOptions",
                                    "--frame-step %1 does not divide the loop's %2 frames; in a "
                                    "loop the frame count must be a multiple of the frame step")
            .arg(frameStep)
            .arg(periodFrames));
}

QString alphaModeName(AlphaMode mode) {
    return QString::fromLatin1(alphaModeNameTable[static_cast<int>(mode)]);
}

std::optional<AlphaMode> alphaModeNamed(const QString& name) {
    return named<AlphaMode>(alphaModeNameTable, name);
}

QStringList alphaModeNames() {
    return allNames(alphaModeNameTable);
}

QString metadataFormatName(MetadataFormat format) {
    return QString::fromLatin1(metadataFormatNameTable[static_cast<int>(format)]);
}

std::optional<MetadataFormat> metadataFormatNamed(const QString& name) {
    return named<MetadataFormat>(metadataFormatNameTable, name);
}

QStringList metadataFormatNames() {
    return allNames(metadataFormatNameTable);
}

QString motionVectorPresetName(MotionVectorPreset preset) {
    if (preset == MotionVectorPreset::None)
        return QString();
    return QString::fromLatin1(motionVectorPresetNameTable[static_cast<int>(preset) - 1]);
}

std::optional<MotionVectorPreset> motionVectorPresetNamed(const QString& name) {
    const std::optional<int> index = named<int>(motionVectorPresetNameTable, name);
    if (!index)
        return std::nullopt;
    return static_cast<MotionVectorPreset>(*index + 1);
}

QStringList motionVectorPresetNames() {
    return allNames(motionVectorPresetNameTable);
}

QString sheetColourName(SheetColour colour) {
    return QString::fromLatin1(sheetColourNameTable[static_cast<int>(colour)]);
}

std::optional<SheetColour> sheetColourNamed(const QString& name) {
    return named<SheetColour>(sheetColourNameTable, name);
}

QStringList sheetColourNames() {
    return allNames(sheetColourNameTable);
}

QString ditherName(Dither dither) {
    return QString::fromLatin1(ditherNameTable[static_cast<int>(dither)]);
}

std::optional<Dither> ditherNamed(const QString& name) {
    return named<Dither>(ditherNameTable, name);
}

QStringList ditherNames() {
    return allNames(ditherNameTable);
}

QString metadataExtension(MetadataFormat format) {
    return format == MetadataFormat::Godot ? QStringLiteral("tres") : QStringLiteral("json");
}

QString frameRateText(double framesPerSecond) {
    return QString::number(framesPerSecond, 'g', QLocale::FloatingPointShortest);
}

} // namespace common
