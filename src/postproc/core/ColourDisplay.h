#pragma once

#include <QImage>
#include <QString>

namespace koratune {

// What the colour window shows for its two scroll bars and its hue strips.

// The hue shift in degrees, cut down to tenths: floor(v / 1530 x 3600) / 10
// followed by the degree mark, e.g. "0.2ﾟ" for 1 and "180ﾟ" for 765.
QString HueShiftText(int hueShift);
// The saturation change in percent, cut down to tenths (so negative values
// move away from zero): "50.1%" for 128, "-50.2%" for -128.
QString SaturationShiftText(int saturationShift);

// The width of one hue cycle in the strips, in pixels.
constexpr int HueStripWidth = 320;
constexpr int HueStripHeight = 16;

// Where the shifted strip starts inside the doubled strip: floor(v / 1530 x 320).
int HueStripOffset(int hueShift);

// `cycles` hue cycles side by side, each HueStripWidth pixels wide and running
// red, yellow, green, cyan, blue, magenta back to red, at full saturation.
QImage HueCycleStrip(int cycles);

} // namespace koratune
