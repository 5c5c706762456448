#include "core/Recolouring.h"

#include "common/Rounding.h"

namespace koratune {

namespace {

constexpr common::Colour White = common::makeColour(255, 255, 255);

int shiftedSaturation(int saturation, int saturationShift) {
    const double shift = saturationShift;
    if (saturationShift > 0)
        return common::nearest(saturation * (1.0 - shift / 255.0) + shift / 255.0 * 255.0);
    return common::nearest((1.0 - (-shift) / 255.0) * saturation);
}

} // namespace

common::Colour RecolourColour(common::Colour colour, int hueShift, int saturationShift) {
    if (colour == 0 || colour >= White)
        return colour;
    int red = 0;
    int green = 0;
    int blue = 0;
    SplitColor(colour, red, green, blue);
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
    RgbToHsl(red, green, blue, hue, saturation, lightness);
    hue += hueShift;
    if (hue > 1529)
        hue -= 1530;
    HslToRgb(hue, shiftedSaturation(saturation, saturationShift), lightness, red, green, blue);
    return common::makeColour(red, green, blue);
}

int Recolouring::RecolourImage(const QImage& base, QImage& work, const SharedSettings& settings) {
    work = base;
    return RecolourImage(work, settings);
}

int Recolouring::RecolourImage(QImage& work, const SharedSettings& settings) {
    running_ = true;
    work.convertTo(QImage::Format_RGB32);
    if (settings.HueShift == 0 && settings.SaturationShift == 0)
        return 0;

    const int rowCount = work.height();
    for (int y = 0; y < rowCount; ++y) {
        if (progressHook_)
            progressHook_(y, rowCount);
        auto* row = reinterpret_cast<QRgb*>(work.scanLine(y));
        for (int x = 0; x < work.width(); ++x)
            row[x] = common::colourToRgb(RecolourColour(
                common::colourFromRgb(row[x]), settings.HueShift, settings.SaturationShift));
        if (!running_)
            return y + 1;
        if (rowDoneHook_)
            rowDoneHook_();
    }
    return rowCount;
}

} // namespace koratune
