#pragma once

#include "common/Colour.h"

namespace koratune {

// The post-processor's integer colour model: a colour taken apart into hue,
// saturation and lightness and put together again.
//
// A colour is a 32-bit value with red in the low byte, then green, then blue.
// Channel levels are 0 to 255. A hue is 0 to 1529: a full turn of six sectors
// of 255 steps (0 red, 255 yellow, 510 green, 765 cyan, 1020 blue, 1275
// magenta). Saturation runs from 0 (grey) to 255 (full colour), lightness from
// 0 (black) to 255 (white). Wherever the three channels form a list, the order
// is red, green, blue, and ties go to the earlier channel.
//
// The routines are pure, allocate nothing and trust their inputs: callers pass
// levels of real pixels and hues wrapped into 0 to 1529.

// The hue steps of a full turn.
constexpr int HueTurn = 1530;

void SplitColor(common::Colour colour, int& red, int& green, int& blue);
int HueOf(int red, int green, int blue);
int LightnessOf(int red, int green, int blue);
bool IsExtremeLevel(int level);
int SaturationOf(int hue, int lightness, int red, int green, int blue);
void RgbToHsl(int red, int green, int blue, int& hue, int& saturation, int& lightness);

// The fully saturated colour of a hue; hues outside 0 to 1529 give black.
void PureHue(int hue, int& red, int& green, int& blue);
// Moves the levels towards black (lightness below 128) or white (above 128).
void ApplyLightness(int lightness, int& red, int& green, int& blue);
// Mixes the levels with the grey of the given lightness.
void ApplySaturation(int saturation, int lightness, int& red, int& green, int& blue);
void HslToRgb(int hue, int saturation, int lightness, int& red, int& green, int& blue);

} // namespace koratune
