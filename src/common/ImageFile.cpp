#include "common/ImageFile.h"

#include "common/AtomicFile.h"
#include "common/BitmapFile.h"
#include "common/PngFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace common {

namespace {

constexpr qint64 Megabyte = 1024 * 1024;

QString readContext(const QString& path) {
    return QCoreApplication::translate("common::ImageFile", "Cannot read the picture \"%1\"")
        .arg(path);
}

QString writeContext(const QString& path) {
    return QCoreApplication::translate("common::ImageFile", "Cannot write the picture \"%1\"")
        .arg(path);
}

// Qt refuses to decode pictures over its own allocation limit, which it counts
// in the bytes of the format it decodes into: up to 8 a pixel (16 bits a
// channel), twice what a picture takes here. Its limit is set so that it never
// refuses a picture that checkImageSize allows.
void allowDecodingUpToTheLimit() {
    static const bool set = [] {
        QImageReader::setAllocationLimit(static_cast<int>(2 * MaximumImageBytes / Megabyte));
        return true;
    }();
    static_cast<void>(set);
}

QString unreadableReason(const QImageReader& reader) {
    if (reader.error() == QImageReader::UnknownError)
        return QCoreApplication::translate("common::ImageFile", "its data could not be decoded");
    return reader.errorString();
}

} // namespace

std::optional<ImageFormat> imageFormatFor(const QString& path) {
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return ImageFormat::Bmp;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return ImageFormat::Png;
    return std::nullopt;
}

Status checkImageSize(QSize size) {
    if (size.width() <= 0 || size.height() <= 0)
        return Status::failure(
            QCoreApplication::translate("common::ImageFile", "the picture is empty"));
    if (size.width() > MaximumImageEdge || size.height() > MaximumImageEdge)
        return Status::failure(
            QCoreApplication::translate(
                "common::ImageFile",
                "the picture is %1x%2 pixels; at most %3 pixels each way are supported")
                .arg(size.width())
                .arg(size.height())
                .arg(MaximumImageEdge));
    const qint64 bytes = qint64{size.width()} * size.height() * 4;
    if (bytes > MaximumImageBytes)
        return Status::failure(
            QCoreApplication::translate("common::ImageFile",
                                        "the picture is %1 x %2 pixels, which needs %3 MB "
                                        "decoded; the limit is %4 MB")
                .arg(size.width())
                .arg(size.height())
                .arg((bytes + Megabyte - 1) / Megabyte)
                .arg(MaximumImageBytes / Megabyte));
    return Status::success();
}

Status readImage(QIODevice& device, QImage& image) {
    allowDecodingUpToTheLimit();
    // Bitmaps are checked before the toolkit takes any of the data: it gives no
    // size for bitmaps over 16384 x 16384 pixels, and it would make a picture of
    // a file cut short, with garbage for the rows that are missing.
    std::optional<BitmapFile> bitmap;
    if (BitmapFile::isBitmap(device.peek(2))) {
        BitmapFile file;
        const Status headers = BitmapFile::readHeaders(device.peek(BitmapFile::HeadersBytes), file);
        if (!headers.ok())
            return headers;
        const Status fits = checkImageSize({file.width, file.height});
        if (!fits.ok())
            return fits;
        if (!device.isSequential()) {
            const Status sound = file.checkPixelData(device);
            if (!sound.ok())
                return sound;
        }
        bitmap = file;
    }
    QImageReader reader(&device);
    const QSize declared = reader.size();
    if (!bitmap && declared.isValid()) {
        const Status fits = checkImageSize(declared);
        if (!fits.ok())
            return fits;
    }
    QImage loaded = reader.read();
    if (loaded.isNull())
        return Status::failure(
            QCoreApplication::translate("common::ImageFile", "not a readable picture (%1)")
                .arg(unreadableReason(reader)));
    // Formats that declare no size are checked once decoded.
    const Status fits = checkImageSize(loaded.size());
    if (!fits.ok())
        return fits;
    loaded.convertTo(QImage::Format_RGB32);
    if (bitmap)
        bitmap->widenColourFields(loaded);
    image = loaded;
    return Status::success();
}

Status readImage(const QString& path, QImage& image) {
    QFile file(path);
    const Status opened = openToRead(file);
    if (!opened.ok())
        return opened.prefixed(readContext(path));
    return readImage(file, image).prefixed(readContext(path));
}

Status writeImage(QIODevice& device, const QImage& image, ImageFormat format) {
    // 32-bit RGB without alpha is written as a 24-bit bitmap or PNG.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    if (format == ImageFormat::Png)
        return writePng(device, opaque);
    QImageWriter writer(&device, "bmp");
    if (!writer.write(opaque))
        return Status::failure(
            writer.error() == QImageWriter::UnknownError
                ? QCoreApplication::translate("common::ImageFile",
                                              "the picture could not be written out")
                : writer.errorString());
    return Status::success();
}

Status writeImage(const QString& path, const QImage& image) {
    const std::optional<ImageFormat> format = imageFormatFor(path);
    if (!format)
        return Status::failure(QCoreApplication::translate(
                                   "common::ImageFile", "unknown picture format; use .bmp or .png"))
            .prefixed(writeContext(path));
    return writeImage(path, image, *format);
}

Status writeImage(const QString& path, const QImage& image, ImageFormat format) {
    return writeFileAtomically(path,
                               [&](QIODevice& device) { return writeImage(device, image, format); })
        .prefixed(writeContext(path));
}

Status checkImageOutput(const QString& path) {
    return checkOutputPath(path).prefixed(writeContext(path));
}

} // namespace common
