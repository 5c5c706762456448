#include "core/ColourDisplay.h"
#include "core/ColourModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace koratune {
namespace {

TEST(ColourDisplay, HueShiftInDegreesCutDownToTenths) {
    const struct {
        int hueShift;
        const char* text;
    } cases[] = {
        {0, "0ﾟ"},    {1, "0.2ﾟ"},    {765, "180ﾟ"}, {1529, "359.7ﾟ"}, {15, "3.5ﾟ"},     {17, "4ﾟ"},
        {255, "60ﾟ"}, {1020, "240ﾟ"}, {6, "1.4ﾟ"},   {7, "1.6ﾟ"},      {1528, "359.5ﾟ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HueShiftText(c.hueShift), QString::fromUtf8(c.text)) << c.hueShift;
}

TEST(ColourDisplay, SaturationChangeInPercentFlooredAwayFromZeroWhenNegative) {
    const struct {
        int saturationShift;
        const char* text;
    } cases[] = {
        {0, "0%"},        {255, "100%"},  {-255, "-100%"},  {128, "50.1%"},
        {-128, "-50.2%"}, {1, "0.3%"},    {-1, "-0.4%"},    {51, "20%"},
        {-51, "-20%"},    {100, "39.2%"}, {-100, "-39.3%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SaturationShiftText(c.saturationShift), QString::fromUtf8(c.text))
            << c.saturationShift;
}

TEST(ColourDisplay, StripOffsetFollowsTheHueShift) {
    const struct {
        int hueShift, offset;
    } cases[] = {{0, 0}, {1, 0}, {5, 1}, {765, 160}, {1529, 319}, {383, 80}};
    for (const auto& c : cases)
        EXPECT_EQ(HueStripOffset(c.hueShift), c.offset) << c.hueShift;
}

TEST(ColourDisplay, HueStripRunsThroughTheCycleOncePerCycleWidth) {
    const QImage strip = HueCycleStrip(2);
    ASSERT_EQ(strip.size(), QSize(2 * HueStripWidth, HueStripHeight));
    const struct {
        int x;
        QRgb colour;
    } cases[] = {
        {0, qRgb(255, 0, 0)},     {32, qRgb(255, 153, 0)}, {96, qRgb(51, 255, 0)},
        {160, qRgb(0, 255, 255)}, {320, qRgb(255, 0, 0)},  {480, qRgb(0, 255, 255)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(strip.pixel(c.x, 0), c.colour) << c.x;
        EXPECT_EQ(strip.pixel(c.x, HueStripHeight - 1), c.colour) << c.x;
    }
    // Every column is a pure hue: one level at 255 and one at 0.
    for (int x = 0; x < strip.width(); ++x) {
        const QRgb pixel = strip.pixel(x, 7);
        const int levels[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
        EXPECT_EQ(std::max({levels[0], levels[1], levels[2]}), 255) << x;
        EXPECT_EQ(std::min({levels[0], levels[1], levels[2]}), 0) << x;
    }
}

} // namespace
} // namespace koratune
