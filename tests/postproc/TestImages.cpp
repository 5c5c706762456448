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
