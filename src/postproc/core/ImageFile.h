#pragma once

#include "core/Status.h"

#include <QImage>
#include <QString>

#include <optional>

class QIODevice;

namespace koratune {

enum class ImageFormat { Bmp, Png };

// The format an image file is written in, by the name's extension (.bmp or
// .png, in any case); none for other names.
std::optional<ImageFormat> imageFormatFor(const QString& path);

// Reads any picture Qt can read (BMP and PNG at least) into a 32-bit RGB image.
// Refuses unreadable data, an empty image and one wider or higher than 32767.
Status readImage(QIODevice& device, QImage& image);
Status readImageFile(const QString& path, QImage& image);

// Writes an image as a 24-bit Windows bitmap or as PNG.
Status writeImage(QIODevice& device, const QImage& image, ImageFormat format);
// Writes to a temporary file beside `path` and replaces it only when all went
// well, so a failure never leaves a half-written file behind. The format
// follows the name's extension (.bmp or .png); other names are refused.
Status writeImageFile(const QString& path, const QImage& image);
// The same in the given format, whatever the name: the output window writes
// Windows bitmaps under any name the user chooses.
Status writeImageFile(const QString& path, const QImage& image, ImageFormat format);

} // namespace koratune
