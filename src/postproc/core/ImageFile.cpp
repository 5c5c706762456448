#include "core/ImageFile.h"

#include "core/SharedSettings.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace koratune {

namespace {

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(path);
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
    QImageReader reader(&device);
    const QImage loaded = reader.read();
    if (loaded.isNull())
        return Status::failure(
            QStringLiteral("not a readable image (%1)").arg(reader.errorString()));
    if (loaded.width() <= 0 || loaded.height() <= 0)
        return Status::failure(QStringLiteral("the image is empty"));
    if (loaded.width() > MaximumImageEdge || loaded.height() > MaximumImageEdge)
        return Status::failure(
            QStringLiteral("the image is %1x%2 pixels; at most %3 pixels each way are supported")
                .arg(loaded.width())
                .arg(loaded.height())
                .arg(MaximumImageEdge));
    image = loaded.convertToFormat(QImage::Format_RGB32);
    return Status::success();
}

Status readImageFile(const QString& path, QImage& image) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(
            QStringLiteral("%1: cannot open the file (%2)").arg(quoted(path), file.errorString()));
    return readImage(file, image).prefixed(quoted(path));
}

Status writeImage(QIODevice& device, const QImage& image, ImageFormat format) {
    QImageWriter writer(&device, format == ImageFormat::Bmp ? "bmp" : "png");
    // 32-bit RGB without alpha is written as a 24-bit bitmap.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return Status::failure(
            QStringLiteral("cannot write the image (%1)").arg(writer.errorString()));
    return Status::success();
}

Status writeImageFile(const QString& path, const QImage& image) {
    const std::optional<ImageFormat> format = imageFormatFor(path);
    if (!format)
        return Status::failure(
            QStringLiteral("%1: unknown image format; use .bmp or .png").arg(quoted(path)));
    return writeImageFile(path, image, *format);
}

Status writeImageFile(const QString& path, const QImage& image, ImageFormat format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(
            QStringLiteral("%1: cannot write the file (%2)").arg(quoted(path), file.errorString()));
    const Status status = writeImage(file, image, format);
    if (!status.ok())
        return status.prefixed(quoted(path));
    if (!file.commit())
        return Status::failure(
            QStringLiteral("%1: cannot write the file (%2)").arg(quoted(path), file.errorString()));
    return Status::success();
}

} // namespace koratune
