#include "core/ColourDisplay.h"

#include "common/Rounding.h"
#include "core/ColourModel.h"

#include <cstdlib>

namespace koratune {

namespace {

// A number of tenths in its shortest decimal form: "180", "0.2", "-50.2".
QString tenthsText(int tenths) {
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(tenths);
    if (magnitude % 10 == 0)
        return sign + QString::number(magnitude / 10);
    return sign + QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
}

} // namespace

QString HueShiftText(int hueShift) {
    return tenthsText(common::floorToInt(hueShift / static_cast<double>(HueTurn) * 3600.0)) +
           QStringLiteral("ﾟ");
}

QString SaturationShiftText(int saturationShift) {
    return tenthsText(common::floorToInt(saturationShift / 255.0 * 1000.0)) + QStringLiteral("%");
}

int HueStripOffset(int hueShift) {
    return common::floorToInt(hueShift / static_cast<double>(HueTurn) * HueStripWidth);
}

QImage HueCycleStrip(int cycles) {
    QImage strip(HueStripWidth * cycles, HueStripHeight, QImage::Format_RGB32);
    for (int x = 0; x < strip.width(); ++x) {
        int red = 0;
        int green = 0;
        int blue = 0;
        PureHue(
            common::floorToInt((x % HueStripWidth) * static_cast<double>(HueTurn) / HueStripWidth),
            red, green, blue);
        for (int y = 0; y < HueStripHeight; ++y)
            strip.setPixel(x, y, qRgb(red, green, blue));
    }
    return strip;
}

} // namespace koratune
