#include "editors/PictureFiles.h"

#include "render/StripImageFile.h"

#include <QImageReader>

namespace kirabellum {

QString editorPictureFilter() {
    return QStringLiteral("*.bmp|*.bmp|");
}

Status readEditorPicture(const QString& path, QImage& picture) {
    QImageReader reader(path);
    QImage read;
    if (!reader.read(&read))
        return Status::failure(reader.errorString())
            .prefixed(QStringLiteral("Cannot read the picture \"%1\"").arg(path));
    picture = read.convertToFormat(QImage::Format_RGB32);
    return Status::success();
}

Status writeEditorPicture(const QString& path, const QImage& picture) {
    return writeStripImage(path, picture, StripImageFormat::Bitmap);
}

QImage stretchWithoutSmoothing(const QImage& source, QSize size) {
    QImage target(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const int sourceY = y * source.height() / size.height();
        for (int x = 0; x < size.width(); ++x)
            target.setPixel(x, y, source.pixel(x * source.width() / size.width(), sourceY));
    }
    return target;
}

} // namespace kirabellum
