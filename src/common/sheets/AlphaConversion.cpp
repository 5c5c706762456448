#include "common/sheets/AlphaConversion.h"

#include "common/Rounding.h"

#include <algorithm>

namespace common {

namespace {

// How far channel value `value` lies from `background` towards the end of the
// range it lies on, from 0 (at the background) to 1 (at 0 or 255).
double channelAlpha(int value, int background) {
    if (value > background)
        return static_cast<double>(value - background) / (255 - background);
    if (value < background)
        return static_cast<double>(background - value) / background;
    return 0.0;
}

int clampChannel(double value, int maximum) {
    return std::clamp(nearest(value), 0, maximum);
}

struct Channels {
    int values[3];
};

Channels channelsOf(QRgb pixel) {
    return {{qRed(pixel), qGreen(pixel), qBlue(pixel)}};
}

} // namespace

int transparencyAlpha(QRgb pixel, Colour background) {
    const Channels colour = channelsOf(pixel);
    const Channels under = channelsOf(colourToRgb(background));
    double alpha = 0.0;
    for (int channel = 0; channel < 3; ++channel)
        alpha = std::max(alpha, channelAlpha(colour.values[channel], under.values[channel]));
    return clampChannel(alpha * 255.0, 255);
}

QRgb straightPixel(QRgb pixel, Colour background) {
    const int alpha = transparencyAlpha(pixel, background);
    if (alpha == 0)
        return qRgba(colourRed(background), colourGreen(background), colourBlue(background), 0);
    const Channels colour = channelsOf(pixel);
    const Channels under = channelsOf(colourToRgb(background));
    int straight[3];
    for (int channel = 0; channel < 3; ++channel)
        straight[channel] =
            clampChannel(under.values[channel] +
                             (colour.values[channel] - under.values[channel]) * 255.0 / alpha,
                         255);
    return qRgba(straight[0], straight[1], straight[2], alpha);
}

QRgb premultipliedPixel(QRgb pixel, Colour background) {
    const int alpha = transparencyAlpha(pixel, background);
    const Channels colour = channelsOf(pixel);
    const Channels under = channelsOf(colourToRgb(background));
    int premultiplied[3];
    for (int channel = 0; channel < 3; ++channel)
        premultiplied[channel] = clampChannel(
            colour.values[channel] - under.values[channel] * (255 - alpha) / 255.0, alpha);
    return qRgba(premultiplied[0], premultiplied[1], premultiplied[2], alpha);
}

QImage withAlpha(const QImage& opaque, AlphaMode mode, Colour background, bool keyedOnly) {
    if (mode == AlphaMode::Additive)
        return opaque;
    const QImage source = opaque.convertToFormat(QImage::Format_RGB32);
    QImage converted(source.size(), QImage::Format_ARGB32);
    const auto alphaOf = mode == AlphaMode::Straight ? straightPixel : premultipliedPixel;
    const QRgb backgroundPixel = colourToRgb(background);
    const auto convert = [&](QRgb pixel) {
        return keyedOnly && pixel != backgroundPixel ? pixel : alphaOf(pixel, background);
    };
    // Sheets are mostly background: a run of one colour is converted once.
    QRgb last = source.isNull() ? 0 : ~reinterpret_cast<const QRgb*>(source.constScanLine(0))[0];
    QRgb lastConverted = 0;
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(converted.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (from[x] != last) {
                last = from[x];
                lastConverted = convert(last);
            }
            to[x] = lastConverted;
        }
    }
    return converted;
}

} // namespace common
