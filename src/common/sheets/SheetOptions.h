#pragma once

#include "common/Colour.h"
#include "common/Status.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace common {

// How a sheet holds its pixels.
enum class AlphaMode {
    Additive,      // opaque over the background, for additive blending (the sheets of old)
    Straight,      // the background made transparent, colour not multiplied by alpha
    Premultiplied, // the same alpha, colour multiplied by it
};

// The frame metadata written beside a sheet.
enum class MetadataFormat {
    JsonHash,  // NAME.json, frames keyed by name (Phaser, PixiJS, Paper2D, Defold)
    JsonArray, // NAME.json, frames as an array (Phaser)
    Godot,     // NAME.tres, a Godot 4 SpriteFrames resource
};

// The motion-vector image written beside a sheet ("NAME_mv.png").
enum class MotionVectorPreset {
    None,
    Unity, // 8-bit RGBA, a fraction of the cell over a scale, V up (Unity's VFX Graph)
    Raw16, // 16-bit RGB, 1/256 pixel steps around 32768, y down
};

// What a sheet's pixels hold.
enum class SheetColour {
    Colours,   // the frames' colours
    Intensity, // each pixel's ramp index, with the ramp as an image beside the sheet
};

// How colours between a palette's colours are shown.
enum class Dither {
    None,
    Ordered,   // a Bayer matrix tied to the pixel's place in the frame: still areas stay still
    Diffusion, // error diffusion: best for single pictures, shimmers in animations
};

// The options of one sheet written for a game engine, as both programs' command
// lines and export windows take them. Every option at its default gives the
// sheet each program writes without them, bit for bit.
struct SheetOptions {
    AlphaMode alpha = AlphaMode::Additive;
    // The colour that becomes transparent and fills gutters; none: the
    // program's own (the designer's ramp's first colour, the post-processor's
    // top-left pixel of the work image).
    std::optional<Colour> background;
    // Columns of the grid; none: the program's own layout.
    std::optional<int> columns;
    // The longest edge the sheet may have; 0: only the limit of pictures.
    int maxSize = 0;
    // Each edge rounded up to a power of two.
    bool powerOfTwo = false;
    // Pixels of background around each frame inside its cell.
    int padding = 0;
    // The metadata files to write, each at most once.
    std::vector<MetadataFormat> metadata;
    // Frames per second stated in the metadata; 0: the program's own rate.
    int fps = 0;
    // The sheet keeps frames 0, frameStep, 2 frameStep, ... of the frames given.
    int frameStep = 1;
    MotionVectorPreset motionVectors = MotionVectorPreset::None;
    SheetColour colour = SheetColour::Colours;
    // An animated PNG to a .png name (--animation apng); .gif, .apng and .webp
    // names are animations by their extension alone.
    bool animatedPng = false;
    // How many times an animation plays; 0: forever.
    int repeat = 0;
    // Lossy WebP frames of this quality (0 to 100); none: lossless.
    std::optional<int> quality;
    // A built-in palette's name or a palette file; empty: no palette.
    QString palette;
    Dither dither = Dither::None;
    // Every frame enlarged this many times by nearest neighbour, after everything else.
    int scale = 1;
    // The design rendered this many times, with seeds S, S + 1, ..., each
    // variant an animation of its own on whole rows of the sheet.
    int variants = 1;
    // Every frame of an animation cut to the union of what its frames draw
    // (pixels other than the background), plus the padding; one cell size.
    bool crop = false;
    // Each frame cut to what it draws and the frames packed: no grid.
    bool trim = false;

    // Whether the sheet can be written to `imagePath` with these options: a
    // mode with alpha and a sheet of ramp indices need a .png, the two JSON
    // forms would share one file, dithering needs a palette, a sheet of ramp
    // indices takes no palette, and neither it nor motion vectors (measured in
    // the frames' own pixels) take a scale. A trimmed sheet has no grid, so it
    // takes neither columns nor
    // motion vectors (which a particle module reads by tiles), nor a crop.
    // The message names the option at fault.
    Status checkOutput(const QString& imagePath) const;

    // How many of `frameCount` frames the sheet keeps: those below it among
    // 0, frameStep, 2 frameStep, ...
    int keptFrameCount(int frameCount) const;
    // The rate the metadata states for frames shown at `framesPerSecond`: the
    // given fps, else that rate over the frame step, exactly (15 / 2 = 7.5).
    double statedFrameRate(int framesPerSecond) const;
    // Whether a loop of `periodFrames` frames a period can keep every
    // frameStep-th frame and still loop: the step must divide the period.
    Status checkLoop(int periodFrames) const;
};

// The names the command lines and the windows use: "additive", "straight",
// "premultiplied"; "json-hash", "json-array", "godot".
QString alphaModeName(AlphaMode mode);
std::optional<AlphaMode> alphaModeNamed(const QString& name);
QStringList alphaModeNames();
QString metadataFormatName(MetadataFormat format);
std::optional<MetadataFormat> metadataFormatNamed(const QString& name);
QStringList metadataFormatNames();

// "unity", "raw16" (None has no name); "colour", "intensity".
QString motionVectorPresetName(MotionVectorPreset preset);
std::optional<MotionVectorPreset> motionVectorPresetNamed(const QString& name);
QStringList motionVectorPresetNames();
QString sheetColourName(SheetColour colour);
std::optional<SheetColour> sheetColourNamed(const QString& name);
QStringList sheetColourNames();

// "none", "ordered", "diffusion".
QString ditherName(Dither dither);
std::optional<Dither> ditherNamed(const QString& name);
QStringList ditherNames();

// The extension of a metadata file, without the dot: "json" or "tres".
QString metadataExtension(MetadataFormat format);

// A stated frame rate as the metadata and the tiles line write it: the
// shortest decimal that reads back as the same number ("15", "7.5").
QString frameRateText(double framesPerSecond);

} // namespace common
