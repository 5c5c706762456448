#pragma once

#include "common/Status.h"
#include "common/sheets/SheetDescription.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>
#include <QString>

#include <vector>

class QIODevice;

namespace common {

// The metadata file of `format` beside the image `imagePath`: its name with
// the last extension replaced ("out/burst.png" gives "out/burst.json").
QString metadataPath(const QString& imagePath, MetadataFormat format);

// An image beside the sheet `imagePath`, named after it: "out/burst.png" with
// "_mv" gives "out/burst_mv.png".
QString companionPath(const QString& imagePath, const QString& suffix);

// Writes `format` metadata of the described sheet.
Status writeMetadata(QIODevice& device, const SheetDescription& description, MetadataFormat format);

// An image written beside a sheet, as it is held (8 or 16 bits, grey or RGBA),
// as a PNG.
struct CompanionImage {
    QString path;
    QImage image;
};

// Writes the sheet image to `imagePath` (a PNG with alpha for the modes that
// have it, a PNG as it is held for a sheet of ramp indices, otherwise as
// common::writeImage writes every picture; a PNG with
// the FrameStripInfo of the sheet as text chunks) and the
// metadata of each of `formats` beside it, and each of `companions`.
// Everything is written to temporary files first; then the image replaces its
// file, then each companion image its own, then each metadata file its own. A failure names the
// file and leaves every existing file as it was, the image too unless the failure comes after it
// replaced its file.
Status writeSheet(const QString& imagePath, const QImage& sheet,
                  const SheetDescription& description, const std::vector<MetadataFormat>& formats,
                  const std::vector<CompanionImage>& companions = {});

} // namespace common
