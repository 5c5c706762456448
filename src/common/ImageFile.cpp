#include "common/ImageFile.h"

#include "common/AtomicFile.h"
#include "common/BitmapFile.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace common {

namespace {

QString readContext(const QString& path) {
    return QStringLiteral("Cannot read the picture \"%1\"").arg(path);
}

QString writeContext(const QString& path) {
    return QStringLiteral("Cannot write the picture \"%1\"").arg(path);
}

} // namespace

std::optional<ImageFormat> imageFormatFor(const QString& path) {
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return ImageFormat::Bmp;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return ImageFormat::Png;
    return std::nullopt;
}

Status readImage(QIODevice& device, QImage& image) {
    // Bitmaps are checked before the toolkit decodes them: it would make a
    // picture of a file cut short, with garbage for the rows that are missing.
    std::optional<BitmapFile> bitmap;
    if (!device.isSequential() && BitmapFile::isBitmap(device.peek(2))) {
        BitmapFile file;
        const Status sound = BitmapFile::check(device, file);
        if (!sound.ok())
            return sound;
        bitmap = file;
    }
    QImageReader reader(&device);
    const QImage loaded = reader.read();
    if (loaded.isNull())
        return Status::failure(
            QStringLiteral("not a readable picture (%1)").arg(reader.errorString()));
    if (loaded.width() <= 0 || loaded.height() <= 0)
        return Status::failure(QStringLiteral("the picture is empty"));
    if (loaded.width() > MaximumImageEdge || loaded.height() > MaximumImageEdge)
        return Status::failure(
            QStringLiteral("the picture is %1x%2 pixels; at most %3 pixels each way are supported")
                .arg(loaded.width())
                .arg(loaded.height())
                .arg(MaximumImageEdge));
    image = loaded.convertToFormat(QImage::Format_RGB32);
    if (bitmap)
        bitmap->widenColourFields(image);
    return Status::success();
}

Status readImage(const QString& path, QImage& image) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(file.errorString()).prefixed(readContext(path));
    return readImage(file, image).prefixed(readContext(path));
}

Status writeImage(QIODevice& device, const QImage& image, ImageFormat format) {
    QImageWriter writer(&device, format == ImageFormat::Bmp ? "bmp" : "png");
    // 32-bit RGB without alpha is written as a 24-bit bitmap.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return Status::failure(writer.errorString());
    return Status::success();
}

Status writeImage(const QString& path, const QImage& image) {
    const std::optional<ImageFormat> format = imageFormatFor(path);
    if (!format)
        return Status::failure(QStringLiteral("unknown picture format; use .bmp or .png"))
            .prefixed(writeContext(path));
    return writeImage(path, image, *format);
}

Status writeImage(const QString& path, const QImage& image, ImageFormat format) {
    return writeFileAtomically(path,
                               [&](QIODevice& device) { return writeImage(device, image, format); })
        .prefixed(writeContext(path));
}

} // namespace common
