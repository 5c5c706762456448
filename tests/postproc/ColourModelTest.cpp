#include "core/ColourModel.h"
#include "common/Rounding.h"

#include <gtest/gtest.h>

namespace koratune {
namespace {

struct Levels {
    int red, green, blue;
};

bool operator==(const Levels& a, const Levels& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

std::ostream& operator<<(std::ostream& stream, const Levels& levels) {
    return stream << '(' << levels.red << ", " << levels.green << ", " << levels.blue << ')';
}

TEST(Rounding, NearestTakesHalvesToTheEvenNeighbour) {
    const struct {
        double value;
        int expected;
    } cases[] = {{2.5, 2},   {3.5, 4},   {0.5, 0},    {1.5, 2},    {892.5, 892}, {-0.5, 0},
                 {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-0.0, 0},    {128.503, 129}};
    for (const auto& c : cases)
        EXPECT_EQ(common::nearest(c.value), c.expected) << c.value;
}

TEST(Rounding, FloorAndCeilGoDownAndUp) {
    EXPECT_EQ(common::floorToInt(-0.5), -1);
    EXPECT_EQ(common::floorToInt(2.999), 2);
    EXPECT_EQ(common::ceilToInt(10.0 / 3.0), 4);
    EXPECT_EQ(common::ceilToInt(3.0), 3);
    EXPECT_EQ(common::ceilToInt(-0.5), 0);
}

TEST(ColourModel, RgbToHslAndBackGivesTheTabledValues) {
    const struct {
        Levels input;
        int hue, saturation, lightness;
        Levels back;
    } cases[] = {
        {{200, 100, 50}, 85, 152, 125, {200, 100, 50}},
        {{255, 0, 0}, 0, 255, 128, {255, 0, 0}},
        {{255, 255, 0}, 255, 255, 128, {255, 255, 0}},
        {{255, 128, 128}, 0, 255, 192, {255, 129, 129}},
        {{128, 128, 128}, 0, 0, 128, {128, 128, 128}},
        {{100, 150, 100}, 510, 51, 125, {100, 150, 100}},
        {{10, 20, 30}, 892, 127, 20, {10, 20, 30}},
        {{0, 0, 1}, 1020, 255, 1, {0, 0, 2}},
    };
    for (const auto& c : cases) {
        int hue = -1, saturation = -1, lightness = -1;
        RgbToHsl(c.input.red, c.input.green, c.input.blue, hue, saturation, lightness);
        EXPECT_EQ(hue, c.hue) << c.input;
        EXPECT_EQ(saturation, c.saturation) << c.input;
        EXPECT_EQ(lightness, c.lightness) << c.input;

        Levels back{-1, -1, -1};
        HslToRgb(hue, saturation, lightness, back.red, back.green, back.blue);
        EXPECT_EQ(back, c.back) << c.input;
    }
}

TEST(ColourModel, PureHueRunsThroughTheSixSectors) {
    const struct {
        int hue;
        Levels expected;
    } cases[] = {
        {0, {255, 0, 0}},    {85, {255, 85, 0}},   {255, {255, 255, 0}},  {300, {210, 255, 0}},
        {510, {0, 255, 0}},  {600, {0, 255, 90}},  {765, {0, 255, 255}},  {900, {0, 120, 255}},
        {1020, {0, 0, 255}}, {1100, {80, 0, 255}}, {1275, {255, 0, 255}}, {1529, {255, 0, 1}},
        {1530, {0, 0, 0}},   {-1, {0, 0, 0}},      {-300, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        Levels levels{-1, -1, -1};
        PureHue(c.hue, levels.red, levels.green, levels.blue);
        EXPECT_EQ(levels, c.expected) << "hue " << c.hue;
    }
}

TEST(ColourModel, ApplyLightnessDarkensByTruncatingAndLightensToTheNearest) {
    const struct {
        int lightness;
        Levels expected;
    } cases[] = {
        {0, {0, 0, 0}},      {64, {128, 42, 0}},     {127, {255, 85, 0}},
        {128, {255, 85, 0}}, {200, {255, 181, 145}}, {255, {255, 255, 255}},
    };
    for (const auto& c : cases) {
        Levels levels{255, 85, 0};
        ApplyLightness(c.lightness, levels.red, levels.green, levels.blue);
        EXPECT_EQ(levels, c.expected) << "lightness " << c.lightness;
    }
}

TEST(ColourModel, ApplySaturationMixesWithTheGreyOfTheLightness) {
    const struct {
        int saturation, lightness;
        Levels input, expected;
    } cases[] = {
        {0, 125, {200, 100, 50}, {125, 125, 125}},
        {255, 125, {200, 100, 50}, {200, 100, 50}},
        // A little over half way from the grey 100 towards each level.
        {128, 100, {200, 0, 101}, {150, 50, 101}},
        {51, 125, {255, 0, 0}, {151, 100, 100}},
    };
    for (const auto& c : cases) {
        Levels levels = c.input;
        ApplySaturation(c.saturation, c.lightness, levels.red, levels.green, levels.blue);
        EXPECT_EQ(levels, c.expected) << c.input << " saturation " << c.saturation;
    }
}

TEST(ColourModel, HueTiesGoToTheEarlierChannel) {
    const struct {
        Levels input;
        int hue;
    } cases[] = {
        {{255, 0, 255}, 1275}, // red largest, blue middle, direction -1
        {{255, 255, 0}, 255},  // red largest, green middle
        {{0, 255, 255}, 765},  // green largest, blue middle
        {{255, 0, 1}, 1529},   // the smallest step below red
        {{0, 0, 0}, 0},        {{255, 255, 255}, 0}, {{7, 7, 7}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HueOf(c.input.red, c.input.green, c.input.blue), c.hue) << c.input;
}

TEST(ColourModel, LightnessRoundsHalvesUp) {
    EXPECT_EQ(LightnessOf(255, 0, 0), 128);
    EXPECT_EQ(LightnessOf(0, 0, 1), 1);
    EXPECT_EQ(LightnessOf(0, 2, 1), 1);
    EXPECT_EQ(LightnessOf(3, 0, 0), 2);
    EXPECT_EQ(LightnessOf(255, 255, 255), 255);
}

TEST(ColourModel, ExtremeLevelsAreOnlyZeroAnd255) {
    EXPECT_TRUE(IsExtremeLevel(0));
    EXPECT_TRUE(IsExtremeLevel(255));
    for (int level : {1, 127, 128, 254})
        EXPECT_FALSE(IsExtremeLevel(level)) << level;
}

TEST(ColourModel, SaturationOfSpecialCases) {
    // A level of 0 or 255 forces full saturation.
    EXPECT_EQ(SaturationOf(0, 192, 255, 128, 128), 255);
    // The grey of lightness 0 has no spread to compare with.
    EXPECT_EQ(SaturationOf(0, 0, 1, 1, 1), 255);
    // spread 150 + 25 + 75 = 250 against the reference spread of hue 85 at lightness 125.
    EXPECT_EQ(SaturationOf(85, 125, 200, 100, 50), 152);
    EXPECT_EQ(SaturationOf(0, 128, 128, 128, 128), 0);
}

TEST(ColourModel, SplitColorTakesRedFromTheLowByte) {
    const struct {
        common::Colour colour;
        Levels expected;
    } cases[] = {
        {150 + 100 * 256 + 50 * 65536, {150, 100, 50}},
        {0, {0, 0, 0}},
        {16777215, {255, 255, 255}},
        {255, {255, 0, 0}},
        {65280, {0, 255, 0}},
        {16711680, {0, 0, 255}},
    };
    for (const auto& c : cases) {
        Levels levels{-1, -1, -1};
        SplitColor(c.colour, levels.red, levels.green, levels.blue);
        EXPECT_EQ(levels, c.expected) << c.colour;
    }
}

TEST(ColourModel, EveryColourHasAHueInRangeAndAnExactLightness) {
    for (int red = 0; red < 256; red += 3) {
        for (int green = 0; green < 256; green += 5) {
            for (int blue = 0; blue < 256; blue += 7) {
                int hue = -1, saturation = -1, lightness = -1;
                RgbToHsl(red, green, blue, hue, saturation, lightness);
                ASSERT_GE(hue, 0);
                ASSERT_LE(hue, 1529);
                const int largest = std::max({red, green, blue});
                const int smallest = std::min({red, green, blue});
                ASSERT_EQ(lightness, (largest + smallest + 1) / 2);
            }
        }
    }
}

} // namespace
} // namespace koratune
