#pragma once

#include <vector>

namespace common {

// The options of a sheet for a game engine (see SheetOptions).
enum class SheetOption {
    Alpha,
    Background,
    Columns,
    MaxSize,
    PowerOfTwo,
    Padding,
    Metadata,
    Fps,
    FrameStep,
    MotionVectors,
    ColourMode,
    Animation,
    Repeat,
    Quality,
    Palette,
    Dither,
    Scale,
    Variants,
    Crop,
    Trim,
};

// One sheet option as the command lines name it and the export windows offer
// it: its name after "--", the name of its value ("" for a switch), what it
// does, and for a number the values it takes (the columns go up to the frames
// of the sheet at hand, so their maximum here is 0).
struct SheetOptionRow {
    SheetOption option;
    const char* name;
    const char* valueName;
    // Lines separated by "\n", each short enough for a help; a number's range
    // stands as "%1 to %2".
    const char* help;
    int minimum;
    int maximum;
};

// The padding, frame rate and size limits every sheet is held to.
constexpr int MaximumPadding = 256;
constexpr int MaximumFramesPerSecond = 1000;
constexpr int MaximumFrameStep = 16;
constexpr int MaximumRepeat = 65535;
constexpr int MaximumScale = 16;
constexpr int MaximumVariants = 64;

// Every sheet option, in the order the helps list them, which is the order of
// SheetOption.
const std::vector<SheetOptionRow>& sheetOptionTable();
const SheetOptionRow& sheetOptionRow(SheetOption option);

} // namespace common
