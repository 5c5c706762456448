#include "common/palettes/PaletteMapping.h"

#include "common/palettes/OrderedDither.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace common {

namespace {

// The nearest palette colour of each colour met, worked out once: a frame
// holds few colours and the Oklab distance is dear.
class NearestColours {
public:
    explicit NearestColours(const Palette& palette) : palette_(palette) {}

    // The palette colour nearest the pixel's colour, with the pixel's alpha.
    QRgb operator()(QRgb pixel) {
        const QRgb colour = pixel | 0xff000000u;
        auto found = nearest_.constFind(colour);
        if (found == nearest_.constEnd())
            found = nearest_.insert(colour, colourToRgb(palette_.nearest(colourFromRgb(colour))));
        return (*found & 0x00ffffffu) | (pixel & 0xff000000u);
    }

private:
    const Palette& palette_;
    QHash<QRgb, QRgb> nearest_;
};

int heldChannel(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

void mapFrame(QImage& image, const QRect& frame, NearestColours& nearest, Dither dither) {
    for (int y = 0; y < frame.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(frame.top() + y)) + frame.left();
        for (int x = 0; x < frame.width(); ++x) {
            QRgb pixel = line[x];
            if (dither == Dither::Ordered) {
                const double shift = (bayerThreshold(x, y) - 0.5) * OrderedColourSpread;
                pixel = qRgba(heldChannel(qRed(pixel) + shift), heldChannel(qGreen(pixel) + shift),
                              heldChannel(qBlue(pixel) + shift), qAlpha(pixel));
            }
            line[x] = nearest(pixel);
        }
    }
}

void diffuse(QImage& image, const QRect& area, NearestColours& nearest) {
    // The errors passed on to this row and the next, three channels a pixel,
    // with a pixel to spare at either end.
    const int width = area.width();
    std::vector<std::array<double, 3>> thisRow(static_cast<std::size_t>(width + 2));
    std::vector<std::array<double, 3>> nextRow(thisRow.size());
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(area.top() + y)) + area.left();
        std::fill(nextRow.begin(), nextRow.end(), std::array<double, 3>{});
        for (int x = 0; x < width; ++x) {
            const std::array<double, 3>& error = thisRow[static_cast<std::size_t>(x + 1)];
            const std::array<int, 3> wanted = {heldChannel(qRed(line[x]) + error[0]),
                                               heldChannel(qGreen(line[x]) + error[1]),
                                               heldChannel(qBlue(line[x]) + error[2])};
            const QRgb chosen = nearest(qRgba(wanted[0], wanted[1], wanted[2], qAlpha(line[x])));
            line[x] = chosen;
            const std::array<int, 3> got = {qRed(chosen), qGreen(chosen), qBlue(chosen)};
            for (std::size_t channel = 0; channel < 3; ++channel) {
                const double left = wanted[channel] - got[channel];
                const auto at = static_cast<std::size_t>(x + 1);
                if (x + 1 < width)
                    thisRow[at + 1][channel] += left * 7.0 / 16.0;
                if (x > 0)
                    nextRow[at - 1][channel] += left * 3.0 / 16.0;
                nextRow[at][channel] += left * 5.0 / 16.0;
                if (x + 1 < width)
                    nextRow[at + 1][channel] += left * 1.0 / 16.0;
            }
        }
        std::swap(thisRow, nextRow);
    }
}

} // namespace

void mapFramesToPalette(QImage& image, const FrameGrid& grid, int frameCount,
                        const Palette& palette, Dither dither) {
    NearestColours nearest(palette);
    for (int frame = 0; frame < frameCount; ++frame) {
        const QRect cell = grid.cellRect(frame).intersected(image.rect());
        if (dither == Dither::Diffusion)
            diffuse(image, cell, nearest);
        else
            mapFrame(image, cell, nearest, dither);
    }
}

void diffuseToPalette(QImage& image, const QRect& area, const Palette& palette) {
    NearestColours nearest(palette);
    diffuse(image, area.intersected(image.rect()), nearest);
}

} // namespace common
