#include "core/editing/PictureFiles.h"

namespace kirabellum {

QString editorPictureFilter() {
    return QStringLiteral("*.bmp|*.bmp|");
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
