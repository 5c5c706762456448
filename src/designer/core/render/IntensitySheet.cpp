#include "core/render/IntensitySheet.h"

#include "common/sheets/AlphaConversion.h"
#include "common/sheets/SheetImage.h"
#include "core/render/RampIndices.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace kirabellum {

namespace {

// Entry `index` of ramp image row `canvas`: past its ramp's end (or in an
// empty ramp), the entry a row ends with.
QRgb rampEntry(const RenderPreparation& preparation, int canvas, int index) {
    const int last = std::max(preparation.canvasRampLength(canvas) - 1, 0);
    return preparation.canvasRgb(canvas, std::min(index, last));
}

QImage rampImage(const RenderPreparation& preparation, common::AlphaMode alpha) {
    const int rows = preparation.canvasCount();
    int length = 1;
    for (int canvas = 0; canvas < rows; ++canvas)
        length = std::max(length, preparation.canvasRampLength(canvas));
    QImage ramp(length, rows, QImage::Format_RGB32);
    for (int canvas = 0; canvas < rows; ++canvas) {
        auto* line = reinterpret_cast<QRgb*>(ramp.scanLine(canvas));
        for (int index = 0; index < length; ++index)
            line[index] = rampEntry(preparation, canvas, index);
    }
    return common::withAlpha(ramp, alpha, preparation.paletteColour(0));
}

// The red channel of `indices` as 8-bit grey.
QImage greyOf(const QImage& indices) {
    QImage grey(indices.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < indices.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(indices.constScanLine(y));
        uchar* to = grey.scanLine(y);
        std::transform(from, from + indices.width(), to,
                       [](QRgb pixel) { return static_cast<uchar>(qRed(pixel)); });
    }
    return grey;
}

} // namespace

common::Status checkIntensitySheet(const RenderPreparation& preparation, common::AlphaMode alpha) {
    const int canvases = preparation.canvasCount();
    if (canvases > RampIndexChannels)
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::IntensitySheet",
                                        "--colour intensity packs at most %1 canvases into R, G "
                                        "and B; this design has %2 (its own and %3 layers with "
                                        "ramps of their own)")
                .arg(RampIndexChannels)
                .arg(canvases)
                .arg(canvases - 1));
    if (canvases > 1 && alpha != common::AlphaMode::Additive)
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::IntensitySheet",
                                        "--colour intensity with layers' own ramps needs "
                                        "--alpha additive, not %1")
                .arg(common::alphaModeName(alpha)));
    return common::Status::success();
}

common::Status addIntensitySheet(const std::vector<const RenderRun*>& runs, common::AlphaMode alpha,
                                 const QString& imagePath, common::SheetCompanions& companions) {
    const RenderPreparation& preparation = runs.front()->engine().preparation();
    common::Status status = checkIntensitySheet(preparation, alpha);
    if (!status.ok())
        return status;
    const QImage ramp = rampImage(preparation, alpha);
    std::vector<common::SheetFrames> sources;
    for (const RenderRun* run : runs) {
        if (rampImage(run->engine().preparation(), alpha) != ramp)
            return common::Status::failure(QCoreApplication::translate(
                "kirabellum::IntensitySheet",
                "--colour intensity needs one ramp for the whole sheet; its designs have "
                "ramps of their own"));
        const StripLayout& strip = run->layout();
        sources.push_back(
            {run->intensityStrip(), strip.grid(), strip.FrameCount, 0, run->mode().frameStep});
    }
    // Index 0 around and between the frames, where the colour sheet has the
    // ramp's first colour.
    const QImage indices =
        common::makeSheet(sources, companions.description.atlas, common::AlphaMode::Additive,
                          std::vector<common::Colour>(runs.size(), 0));
    const int channels = preparation.canvasCount();
    companions.sheet =
        channels == 1 ? greyOf(indices) : indices.convertToFormat(QImage::Format_RGB888);
    const QString rampPath = common::companionPath(imagePath, QStringLiteral("_ramp"));
    companions.images.push_back({rampPath, ramp});
    companions.description.intensityRamp = common::SheetDescription::IntensityRamp{
        QFileInfo(rampPath).fileName(), ramp.width(), channels};
    return common::Status::success();
}

} // namespace kirabellum
