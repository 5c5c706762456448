#include "common/sheets/FlipbookBlend.h"

#include "common/Rounding.h"

#include <QPointF>

#include <algorithm>
#include <array>
#include <cmath>

namespace common {

namespace {

using Channels = std::array<double, 4>;

// The cell's pixels as 32-bit values read channel by channel as they are
// stored: a premultiplied sheet's values stay premultiplied.
QImage storedPixels(const QImage& cell) {
    switch (cell.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return cell;
    default:
        return cell.convertToFormat(QImage::Format_ARGB32);
    }
}

Channels channelsOf(QRgb pixel) {
    return {double(qRed(pixel)), double(qGreen(pixel)), double(qBlue(pixel)),
            double(qAlpha(pixel))};
}

QRgb roundedPixel(const Channels& channels) {
    return qRgba(nearest(channels[0]), nearest(channels[1]), nearest(channels[2]),
                 nearest(channels[3]));
}

Channels lerp(const Channels& from, const Channels& to, double blend) {
    Channels mixed{};
    for (std::size_t channel = 0; channel < mixed.size(); ++channel)
        mixed[channel] = from[channel] + blend * (to[channel] - from[channel]);
    return mixed;
}

QRgb storedPixel(const QImage& cell, int x, int y) {
    return reinterpret_cast<const QRgb*>(cell.constScanLine(y))[x];
}

// One axis of a bilinear sample at `position` (pixel centres at i + 0.5), held
// to the cell: the two neighbouring pixels and the weight of the second.
struct Neighbours {
    int first;
    int second;
    double weight;
};

Neighbours neighboursAt(double position, int length) {
    const double texel = std::clamp(position, 0.5, length - 0.5) - 0.5;
    const int first = floorToInt(texel);
    return {first, std::min(first + 1, length - 1), texel - first};
}

Channels bilinearSample(const QImage& cell, QPointF position) {
    const Neighbours across = neighboursAt(position.x(), cell.width());
    const Neighbours down = neighboursAt(position.y(), cell.height());
    const Channels top =
        lerp(channelsOf(storedPixel(cell, across.first, down.first)),
             channelsOf(storedPixel(cell, across.second, down.first)), across.weight);
    const Channels bottom =
        lerp(channelsOf(storedPixel(cell, across.first, down.second)),
             channelsOf(storedPixel(cell, across.second, down.second)), across.weight);
    return lerp(top, bottom, down.weight);
}

// The decoded vector of pixel (x, y) in pixels of the image, y down: the
// stored value / 255 × 2 − 1 is a fraction of the cell times the scale, with
// green counting upwards.
QPointF decodedMotion(const QImage& vectors, int x, int y, double scale) {
    const QRgb stored = vectors.pixel(x, y);
    const auto decode = [](int value) { return value / 255.0 * 2.0 - 1.0; };
    return {decode(qRed(stored)) * scale * vectors.width(),
            -decode(qGreen(stored)) * scale * vectors.height()};
}

} // namespace

QImage crossFadeCells(const QImage& from, const QImage& to, double blend) {
    const QImage first = storedPixels(from);
    const QImage second = storedPixels(to);
    QImage mixed(first.size(), first.format());
    for (int y = 0; y < mixed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(mixed.scanLine(y));
        for (int x = 0; x < mixed.width(); ++x)
            row[x] = roundedPixel(lerp(channelsOf(storedPixel(first, x, y)),
                                       channelsOf(storedPixel(second, x, y)), blend));
    }
    return mixed;
}

QImage motionBlendCells(const QImage& from, const QImage& fromVectors, const QImage& to,
                        const QImage& toVectors, double scale, double blend) {
    const QImage first = storedPixels(from);
    const QImage second = storedPixels(to);
    QImage mixed(first.size(), first.format());
    for (int y = 0; y < mixed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(mixed.scanLine(y));
        for (int x = 0; x < mixed.width(); ++x) {
            const QPointF centre(x + 0.5, y + 0.5);
            const QPointF back = decodedMotion(fromVectors, x, y, scale) * blend;
            const QPointF ahead = decodedMotion(toVectors, x, y, scale) * (1.0 - blend);
            row[x] = roundedPixel(lerp(bilinearSample(first, centre - back),
                                       bilinearSample(second, centre + ahead), blend));
        }
    }
    return mixed;
}

} // namespace common
