#pragma once

#include "document/Status.h"

#include <QImage>
#include <QString>

class QIODevice;

namespace kirabellum {

// The picture formats a frame strip is saved in, chosen by the file's extension.
enum class StripImageFormat { Bitmap, Png, Unknown };

StripImageFormat stripImageFormatForPath(const QString& path);

// Writes the image pixel for pixel: an uncompressed 24-bit Windows bitmap, or PNG.
Status WriteStripImage(QIODevice& device, const QImage& image, StripImageFormat format);

// Writes to a temporary file beside `path` and replaces `path` only once the
// whole picture is written, so a failure never damages an existing file.
Status writeStripImage(const QString& path, const QImage& image);
// The same in the given format, whatever the name's ending.
Status writeStripImage(const QString& path, const QImage& image, StripImageFormat format);

} // namespace kirabellum
