#include "common/sheets/SheetFiles.h"

#include "common/AtomicFile.h"
#include "common/ImageFile.h"
#include "common/PngFile.h"
#include "common/sheets/AtlasJson.h"
#include "common/sheets/FrameStripInfo.h"
#include "common/sheets/GodotSpriteFrames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>

#include <functional>

namespace common {

namespace {

// A PNG of the image in the format it is held in (8 or 16 bits, grey, RGB or
// RGBA, premultiplied values too).
Status writePngAsHeld(QIODevice& device, const QImage& image) {
    QImageWriter writer(&device, "png");
    if (!writer.write(image))
        return Status::failure(writer.errorString());
    return Status::success();
}

// Colours with alpha are written as 32-bit RGBA, ramp indices and a sheet of
// palette indices (Format_Indexed8) as they are held; additive colours as every
// picture is.
Status writeImageFile(const QString& path, const QImage& sheet,
                      const SheetDescription& description) {
    const bool asHeld = description.intensityRamp || sheet.format() == QImage::Format_Indexed8;
    if (description.alpha == AlphaMode::Additive && !asHeld)
        return writeImage(path, sheet);
    return writeFileAtomically(path,
                               [&](QIODevice& device) {
                                   if (asHeld)
                                       return writePngAsHeld(device, sheet);
                                   return writePng(device,
                                                   sheet.convertToFormat(QImage::Format_ARGB32));
                               })
        .prefixed(
            QCoreApplication::translate("common::SheetFiles", "Cannot write the picture \"%1\"")
                .arg(path));
}

// Writes companion images `first` to the end, each to its own temporary file,
// around `inside`, as writeAround does for metadata.
Status writeCompanionsAround(const std::vector<CompanionImage>& companions, std::size_t first,
                             const std::function<Status()>& inside) {
    if (first == companions.size())
        return inside();
    const CompanionImage& companion = companions[companions.size() - 1 - first];
    bool insideFailed = false;
    const Status status = writeFileAtomically(companion.path, [&](QIODevice& device) {
        const Status written = writePngAsHeld(device, companion.image);
        if (!written.ok())
            return written;
        const Status done = writeCompanionsAround(companions, first + 1, inside);
        insideFailed = !done.ok();
        return done;
    });
    if (insideFailed)
        return status;
    return status.prefixed(
        QCoreApplication::translate("common::SheetFiles", "Cannot write the picture \"%1\"")
            .arg(companion.path));
}

// Writes metadata files `first` to the end of `formats`, each to its own
// temporary file, then runs `inside`; only when that succeeds do the files
// replace theirs, the last one last. A failure of `inside` is passed on as it is.
Status writeAround(const QString& imagePath, const SheetDescription& description,
                   const std::vector<MetadataFormat>& formats, std::size_t first,
                   const std::function<Status()>& inside) {
    if (first == formats.size())
        return inside();
    const MetadataFormat format = formats[formats.size() - 1 - first];
    const QString path = metadataPath(imagePath, format);
    bool insideFailed = false;
    const Status status = writeFileAtomically(path, [&](QIODevice& device) {
        const Status written = writeMetadata(device, description, format);
        if (!written.ok())
            return written;
        const Status done = writeAround(imagePath, description, formats, first + 1, inside);
        insideFailed = !done.ok();
        return done;
    });
    if (insideFailed)
        return status;
    return status.prefixed(
        QCoreApplication::translate("common::SheetFiles", "Cannot write the frame metadata \"%1\"")
            .arg(path));
}

// A PNG of one animation on a grid of square cells says what its frames are,
// for the post-processor to open it with; other sheets are no strip of frames.
QImage labelledSheet(const QImage& sheet, const SheetAtlas& atlas) {
    if (!atlas.grid || atlas.animations.size() != 1 ||
        atlas.grid->cellWidth() != atlas.grid->cellHeight())
        return sheet;
    const FrameStripInfo frames{atlas.grid->cellWidth(), atlas.grid->frameCount(),
                                atlas.animations.front().framesPerSecond};
    return frames.labelled(sheet);
}

// "out/burst.png" gives "out/burst".
QString withoutExtension(const QString& imagePath) {
    const QString extension = QFileInfo(imagePath).suffix();
    QString path = imagePath;
    if (!extension.isEmpty())
        path.chop(extension.size() + 1);
    return path;
}

} // namespace

QString metadataPath(const QString& imagePath, MetadataFormat format) {
    return withoutExtension(imagePath) + QLatin1Char('.') + metadataExtension(format);
}

QString companionPath(const QString& imagePath, const QString& suffix) {
    return withoutExtension(imagePath) + suffix + QStringLiteral(".png");
}

Status writeMetadata(QIODevice& device, const SheetDescription& description,
                     MetadataFormat format) {
    if (format == MetadataFormat::Godot)
        return writeGodotSpriteFrames(device, description);
    return writeAtlasJson(device, description, format);
}

Status writeSheet(const QString& imagePath, const QImage& sheet,
                  const SheetDescription& description, const std::vector<MetadataFormat>& formats,
                  const std::vector<CompanionImage>& companions) {
    return writeAround(imagePath, description, formats, 0, [&] {
        return writeCompanionsAround(companions, 0, [&] {
            return writeImageFile(imagePath, labelledSheet(sheet, description.atlas), description);
        });
    });
}

} // namespace common
