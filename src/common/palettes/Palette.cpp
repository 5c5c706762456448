#include "common/palettes/Palette.h"

#include <cmath>
#include <limits>
#include <utility>

namespace common {

namespace {

// An sRGB channel (0 to 255) as linear light.
double linearChannel(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

std::array<double, 3> oklabOf(Colour colour) {
    // Björn Ottosson's Oklab: linear sRGB to LMS cone responses, a cube root,
    // and a second matrix to lightness and two opponent axes.
    const double red = linearChannel(colourRed(colour));
    const double green = linearChannel(colourGreen(colour));
    const double blue = linearChannel(colourBlue(colour));
    const double l = std::cbrt(0.4122214708 * red + 0.5363325363 * green + 0.0514459929 * blue);
    const double m = std::cbrt(0.2119034982 * red + 0.6806995451 * green + 0.1073969566 * blue);
    const double s = std::cbrt(0.0883024619 * red + 0.2817188376 * green + 0.6299787005 * blue);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Palette::Palette(std::vector<Colour> colours) : colours_(std::move(colours)) {
    oklab_.reserve(colours_.size());
    for (const Colour colour : colours_)
        oklab_.push_back(oklabOf(colour));
}

int Palette::nearestIndex(Colour colour) const {
    const std::array<double, 3> target = oklabOf(colour);
    int nearest = 0;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t index = 0; index < oklab_.size(); ++index) {
        double distance = 0.0;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            const double difference = oklab_[index][axis] - target[axis];
            distance += difference * difference;
        }
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = static_cast<int>(index);
        }
    }
    return nearest;
}

} // namespace common
