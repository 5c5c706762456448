#pragma once

#include "common/Colour.h"

#include <QRgb>

#include <algorithm>
#include <cstdlib>

namespace common::test {

// The pixel an engine shows of a sheet's pixel over the background: straight
// colour weighted by its alpha, or premultiplied colour as it is, plus the
// background weighted by the rest; an opaque pixel as it is.
inline QRgb overBackground(QRgb pixel, bool premultiplied, Colour background) {
    const int alpha = qAlpha(pixel);
    const auto channel = [&](int value, int under) {
        const double own = premultiplied ? value : value * alpha / 255.0;
        return static_cast<int>(own + under * (255 - alpha) / 255.0 + 0.5);
    };
    return qRgb(channel(qRed(pixel), colourRed(background)),
                channel(qGreen(pixel), colourGreen(background)),
                channel(qBlue(pixel), colourBlue(background)));
}

// The largest difference between two pixels in one channel.
inline int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

} // namespace common::test
