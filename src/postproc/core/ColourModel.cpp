#include "core/ColourModel.h"

#include "common/Rounding.h"

#include <cstdlib>

namespace koratune {

namespace {

// Positions 0, 1 and 2 (red, green, blue) of the largest and the smallest
// level. A later channel wins only when it is strictly larger (or smaller).
struct Extremes {
    int largest;
    int smallest;
};

Extremes extremesOf(const int (&levels)[3]) {
    Extremes extremes{0, 0};
    for (int position = 1; position < 3; ++position) {
        if (levels[position] > levels[extremes.largest])
            extremes.largest = position;
        if (levels[position] < levels[extremes.smallest])
            extremes.smallest = position;
    }
    return extremes;
}

int lightenedOrDarkened(int lightness, int level) {
    if (lightness < 128)
        return common::floorToInt(level * (lightness / 127.0));
    return common::nearest((lightness - 128) / 127.0 * (255 - level) + level);
}

} // namespace

void SplitColor(common::Colour colour, int& red, int& green, int& blue) {
    red = colour % 256;
    green = common::floorToInt(colour / 256.0) % 256;
    blue = common::floorToInt(colour / 65536.0) % 256;
}

int HueOf(int red, int green, int blue) {
    const int levels[3] = {red, green, blue};
    const Extremes extremes = extremesOf(levels);
    const int largest = levels[extremes.largest];
    const int smallest = levels[extremes.smallest];
    if (largest == smallest)
        return 0;

    const int middlePosition = 3 - extremes.largest - extremes.smallest;
    int direction = middlePosition - extremes.largest;
    if (direction == 2)
        direction = -1;
    else if (direction == -2)
        direction = 1;

    const double fraction =
        static_cast<double>(levels[middlePosition] - smallest) / (largest - smallest);
    int hue = common::nearest(fraction * 255.0 * direction + 510.0 * extremes.largest);
    if (hue < 0)
        hue += HueTurn;
    return hue;
}

int LightnessOf(int red, int green, int blue) {
    const int levels[3] = {red, green, blue};
    const Extremes extremes = extremesOf(levels);
    return common::floorToInt((levels[extremes.largest] + levels[extremes.smallest]) / 2.0 + 0.5);
}

bool IsExtremeLevel(int level) {
    return level == 0 || level == 255;
}

int SaturationOf(int hue, int lightness, int red, int green, int blue) {
    int referenceRed = 0;
    int referenceGreen = 0;
    int referenceBlue = 0;
    PureHue(hue, referenceRed, referenceGreen, referenceBlue);
    ApplyLightness(lightness, referenceRed, referenceGreen, referenceBlue);
    const int referenceSpread = std::abs(referenceRed - lightness) +
                                std::abs(referenceGreen - lightness) +
                                std::abs(referenceBlue - lightness);
    if (IsExtremeLevel(red) || IsExtremeLevel(green) || IsExtremeLevel(blue) ||
        referenceSpread == 0)
        return 255;

    const int spread =
        std::abs(red - lightness) + std::abs(green - lightness) + std::abs(blue - lightness);
    return common::floorToInt(static_cast<double>(spread) / referenceSpread * 255.0);
}

void RgbToHsl(int red, int green, int blue, int& hue, int& saturation, int& lightness) {
    hue = HueOf(red, green, blue);
    lightness = LightnessOf(red, green, blue);
    saturation = SaturationOf(hue, lightness, red, green, blue);
}

void PureHue(int hue, int& red, int& green, int& blue) {
    const int sector = common::floorToInt(hue / 255.0);
    const int offset = hue % 255;
    red = 0;
    green = 0;
    blue = 0;
    switch (sector) {
    case 0:
        red = 255;
        green = offset;
        break;
    case 1:
        red = 255 - offset;
        green = 255;
        break;
    case 2:
        green = 255;
        blue = offset;
        break;
    case 3:
        green = 255 - offset;
        blue = 255;
        break;
    case 4:
        red = offset;
        blue = 255;
        break;
    case 5:
        red = 255;
        blue = 255 - offset;
        break;
    default:
        break;
    }
}

void ApplyLightness(int lightness, int& red, int& green, int& blue) {
    red = lightenedOrDarkened(lightness, red);
    green = lightenedOrDarkened(lightness, green);
    blue = lightenedOrDarkened(lightness, blue);
}

void ApplySaturation(int saturation, int lightness, int& red, int& green, int& blue) {
    const double share = saturation / 255.0;
    red = common::nearest((1.0 - share) * lightness + share * red);
    green = common::nearest((1.0 - share) * lightness + share * green);
    blue = common::nearest((1.0 - share) * lightness + share * blue);
}

void HslToRgb(int hue, int saturation, int lightness, int& red, int& green, int& blue) {
    PureHue(hue, red, green, blue);
    ApplyLightness(lightness, red, green, blue);
    ApplySaturation(saturation, lightness, red, green, blue);
}

} // namespace koratune
