#pragma once

#include "common/Status.h"

#include <QImage>
#include <QString>

#include <optional>

class QIODevice;

namespace common {

// The limit of a picture's width and height in both programs, in pixels.
constexpr int MaximumImageEdge = 32767;

enum class ImageFormat { Bmp, Png };

// The format an image file is written in, by the name's extension (.bmp or
// .png, in any case); none for other names.
std::optional<ImageFormat> imageFormatFor(const QString& path);

// Reads any picture Qt can read (bitmaps of every depth, PNG, ...) as opaque
// 32-bit RGB pixels. Refuses unreadable data, an empty image and one wider or
// higher than MaximumImageEdge.
Status readImage(QIODevice& device, QImage& image);
// The same from a file; messages name it.
Status readImage(const QString& path, QImage& image);

// Writes the image pixel for pixel as an uncompressed 24-bit Windows bitmap or
// as PNG.
Status writeImage(QIODevice& device, const QImage& image, ImageFormat format);
// The same to a file, atomically; messages name it. The format follows the
// name's extension (.bmp or .png); other names are refused.
Status writeImage(const QString& path, const QImage& image);
// The same in the given format, whatever the name: the windows write Windows
// bitmaps under any name the user chooses.
Status writeImage(const QString& path, const QImage& image, ImageFormat format);

} // namespace common
