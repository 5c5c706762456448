#include "common/sheets/AlphaConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace common {
namespace {

// The pixel an engine shows: `colour` at `alpha` over the background, colour
// straight or already multiplied by alpha.
int composite(int colour, int alpha, int background, bool premultiplied) {
    const double own = premultiplied ? colour : colour * alpha / 255.0;
    return static_cast<int>(own + background * (255 - alpha) / 255.0 + 0.5);
}

void expectWithinOne(QRgb converted, QRgb pixel, Colour background, bool premultiplied) {
    const int alpha = qAlpha(converted);
    const int got[] = {composite(qRed(converted), alpha, colourRed(background), premultiplied),
                       composite(qGreen(converted), alpha, colourGreen(background), premultiplied),
                       composite(qBlue(converted), alpha, colourBlue(background), premultiplied)};
    const int want[] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    for (int channel = 0; channel < 3; ++channel)
        ASSERT_LE(std::abs(got[channel] - want[channel]), 1)
            << std::hex << "pixel " << pixel << " background " << background << " converted "
            << converted << " channel " << channel;
}

TEST(SheetAlpha, BothModesOverTheBackgroundGiveTheOpaquePixelBack) {
    std::mt19937 random(14);
    std::uniform_int_distribution<int> channel(0, 255);
    std::vector<Colour> backgrounds = {makeColour(0, 0, 0), makeColour(255, 255, 255),
                                       makeColour(128, 128, 128), makeColour(255, 200, 0),
                                       makeColour(1, 254, 37)};
    for (int extra = 0; extra < 20; ++extra)
        backgrounds.push_back(makeColour(channel(random), channel(random), channel(random)));
    for (const Colour background : backgrounds) {
        EXPECT_EQ(qAlpha(straightPixel(colourToRgb(background), background)), 0);
        EXPECT_EQ(premultipliedPixel(colourToRgb(background), background), qRgba(0, 0, 0, 0));
        for (int sample = 0; sample < 3000; ++sample) {
            const QRgb pixel = qRgb(channel(random), channel(random), channel(random));
            expectWithinOne(straightPixel(pixel, background), pixel, background, false);
            expectWithinOne(premultipliedPixel(pixel, background), pixel, background, true);
        }
    }
}

TEST(SheetAlpha, PremultipliedOverBlackIsThePixelWithItsBrightestChannelAsAlpha) {
    for (int red = 0; red < 256; red += 5)
        for (int green = 0; green < 256; green += 3)
            for (const int blue : {0, 1, 128, 254, 255}) {
                const QRgb converted = premultipliedPixel(qRgb(red, green, blue), 0);
                ASSERT_EQ(converted, qRgba(red, green, blue, std::max({red, green, blue})));
            }
}

TEST(SheetAlpha, AnImageInAModeWithAlphaHoldsTheConvertedPixels) {
    QImage opaque(3, 2, QImage::Format_RGB32);
    opaque.fill(qRgb(10, 20, 30));
    opaque.setPixel(1, 1, qRgb(200, 100, 0));
    const Colour background = makeColour(10, 20, 30);
    EXPECT_EQ(withAlpha(opaque, AlphaMode::Additive, background), opaque);
    const QImage straight = withAlpha(opaque, AlphaMode::Straight, background);
    const QImage premultiplied = withAlpha(opaque, AlphaMode::Premultiplied, background);
    ASSERT_EQ(straight.format(), QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(straight.pixel(x, y), straightPixel(opaque.pixel(x, y), background));
            EXPECT_EQ(premultiplied.pixel(x, y),
                      premultipliedPixel(opaque.pixel(x, y), background));
        }
}

} // namespace
} // namespace common
