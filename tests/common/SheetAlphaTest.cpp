#include "common/sheets/AlphaConversion.h"

#include "SheetPixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace common {
namespace {

void expectWithinOne(QRgb converted, QRgb pixel, Colour background, bool premultiplied) {
    ASSERT_LE(
        test::channelDistance(test::overBackground(converted, premultiplied, background), pixel), 1)
        << std::hex << "pixel " << pixel << " background " << background << " converted "
        << converted;
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

} // namespace
} // namespace common
