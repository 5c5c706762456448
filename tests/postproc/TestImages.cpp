#include "TestImages.h"

namespace koratune {

QRgb numberedPixel(int frame, int x, int y) {
    return qRgb(x, y, frame + 1);
}

QImage numberedFrames(int frameSize, int columns, int rows) {
    QImage image(frameSize * columns, frameSize * rows, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int frame = (y / frameSize) * columns + x / frameSize;
            row[x] = numberedPixel(frame, x % frameSize, y % frameSize);
        }
    }
    return image;
}

QImage spotFrames() {
    QImage image = filledImage(4 * 24, 3 * 24, qRgb(0, 0, 0));
    for (int frame = 0; frame < 10; ++frame) {
        const QRect spot(3 + frame % 4, 5 + frame % 3, 6 + frame, 4 + frame % 5);
        const QPoint origin(frame % 4 * 24, frame / 4 * 24);
        for (int y = spot.top(); y <= spot.bottom(); ++y)
            for (int x = spot.left(); x <= spot.right(); ++x)
                image.setPixel(origin + QPoint(x, y), numberedPixel(frame, x, y));
    }
    return image;
}

QImage filledImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool blockIs(const QImage& image, QRect block, QRgb colour) {
    for (int y = block.top(); y <= block.bottom(); ++y) {
        for (int x = block.left(); x <= block.right(); ++x) {
            if (image.pixel(x, y) != colour)
                return false;
        }
    }
    return true;
}

} // namespace koratune
