#pragma once

#include "core/ColourModel.h"

namespace koratune {

// The settings that the post-processor's windows share for the whole process.
// The console writes the frame settings, the colour window the two colour
// settings; playback, recolouring and output read them.
struct SharedSettings {
    // Edge of one square frame in pixels.
    int FrameSize = 160;
    // Number of frames the frame image holds.
    int FrameCount = 10;
    // Frames advanced per frame shown or written.
    int SkipStep = 1;
    // Mirror each frame left to right.
    bool FlipHorizontal = false;
    // Mirror each frame top to bottom.
    bool FlipVertical = false;
    // Index (0-based) of the first frame used.
    int StartFrame = 0;
    // Hue steps added when recolouring, 0 to 1529.
    int HueShift = 0;
    // Saturation change when recolouring, -255 to 255.
    int SaturationShift = 0;
};

// The values the console and the colour window offer.
constexpr int MinimumFrameSize = 24;
constexpr int MaximumFrameSize = 512;
constexpr int MaximumFrameCount = 256;
constexpr int MaximumHueShift = HueTurn - 1;
constexpr int MaximumSaturationShift = 255;

// The largest step between frames used for a frame count: one below the
// count, but at least 1. The start frame (0-based) lies below the count.
constexpr int maximumSkipStep(int frameCount) {
    return frameCount > 2 ? frameCount - 1 : 1;
}

} // namespace koratune
