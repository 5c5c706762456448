#include "render/StripImageFile.h"

#include <QImageWriter>
#include <QSaveFile>

namespace kirabellum {

StripImageFormat stripImageFormatForPath(const QString& path) {
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return StripImageFormat::Bitmap;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return StripImageFormat::Png;
    return StripImageFormat::Unknown;
}

Status WriteStripImage(QIODevice& device, const QImage& image, StripImageFormat format) {
    if (format == StripImageFormat::Unknown)
        return Status::failure(QStringLiteral("unknown picture format; use .bmp or .png"));
    // Qt writes images without alpha as 24-bit bitmaps.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    QImageWriter writer(&device, format == StripImageFormat::Bitmap ? "bmp" : "png");
    if (!writer.write(opaque))
        return Status::failure(writer.errorString());
    return Status::success();
}

Status writeStripImage(const QString& path, const QImage& image) {
    return writeStripImage(path, image, stripImageFormatForPath(path));
}

Status writeStripImage(const QString& path, const QImage& image, StripImageFormat format) {
    const QString context = QStringLiteral("Cannot write the picture \"%1\"").arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(file.errorString()).prefixed(context);
    const Status written = WriteStripImage(file, image, format);
    if (!written.ok())
        return written.prefixed(context);
    if (!file.commit())
        return Status::failure(file.errorString()).prefixed(context);
    return Status::success();
}

} // namespace kirabellum
