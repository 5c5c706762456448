#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

namespace common {

// A colour as both programs mean it (the design document stores it so, and
// the post-processor takes pixels apart this way): red in the lowest byte, then
// green, then blue; the high byte is 0 for every colour the editors produce.
using Colour = std::uint32_t;

constexpr Colour makeColour(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
           static_cast<Colour>(blue & 0xFF) << 16;
}
constexpr int colourRed(Colour colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int colourGreen(Colour colour) {
    return static_cast<int>(colour >> 8 & 0xFF);
}
constexpr int colourBlue(Colour colour) {
    return static_cast<int>(colour >> 16 & 0xFF);
}

// Conversions to and from the pixel value of a QImage in Format_RGB32.
inline QRgb colourToRgb(Colour colour) {
    return qRgb(colourRed(colour), colourGreen(colour), colourBlue(colour));
}
inline Colour colourFromRgb(QRgb rgb) {
    return makeColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
// Two opaque Format_RGB32 pixels added channel by channel, each sum held to 255.
inline QRgb addChannels(QRgb a, QRgb b) {
    const auto sum = [](int x, int y) { return x + y > 255 ? 255 : x + y; };
    return qRgb(sum(qRed(a), qRed(b)), sum(qGreen(a), qGreen(b)), sum(qBlue(a), qBlue(b)));
}

// "#RRGGBB", red first, as designs written as text show colours. Only the low
// 24 bits take part.
QString colourToHex(Colour colour);
// Parses "#RRGGBB" (either case); false for anything else.
bool colourFromHex(const QString& text, Colour& colour);

} // namespace common
