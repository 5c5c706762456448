#pragma once

#include "common/Status.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

class QIODevice;

namespace common {

// The limit of a picture's width and height in both programs, in pixels.
constexpr int MaximumImageEdge = 32767;

// The most memory a picture read by either program may take decoded, at 4
// bytes a pixel: 256 MiB. The largest frame strip the designer renders is
// 1536 x 32256 pixels (63 rows of three 512-pixel frames), 189 MiB decoded.
constexpr qint64 MaximumImageBytes = qint64{256} * 1024 * 1024;

enum class ImageFormat { Bmp, Png };

// The format an image file is written in, by the name's extension (.bmp or
// .png, in any case); none for other names.
std::optional<ImageFormat> imageFormatFor(const QString& path);

// Refuses a picture of `size` that is empty, wider or higher than
// MaximumImageEdge, or needs more than MaximumImageBytes decoded; the message
// gives the size and the limit.
Status checkImageSize(QSize size);

// Reads any picture Qt can read (bitmaps of every depth, PNG, ...) as opaque
// 32-bit RGB pixels. Refuses unreadable data and every picture that
// checkImageSize refuses, by the size in its header before decoding it, so an
// oversized picture never takes its memory.
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
// Refuses an output path on which no picture is written (see checkOutputPath),
// with the message of a failed picture write: a writer of several pictures
// checks all of their names before it writes the first.
Status checkImageOutput(const QString& path);

} // namespace common
