#include "common/sheets/SheetOptionTable.h"

#include "common/ImageFile.h"

namespace common {

const std::vector<SheetOptionRow>& sheetOptionTable() {
    static const std::vector<SheetOptionRow> rows = {
        {SheetOption::Alpha, "alpha", "MODE",
         "additive (opaque, for additive blending), straight or\n"
         "premultiplied alpha; the last two need a .png",
         0, 0},
        {SheetOption::Background, "background", "#RRGGBB",
         "the colour made transparent and put around frames", 0, 0},
        {SheetOption::Columns, "columns", "N", "columns of the sheet, 1 to the frames used", 1, 0},
        {SheetOption::MaxSize, "max-size", "N",
         "the longest edge the sheet may have, %1 to %2; without\n"
         "--columns the columns change to fit when they must",
         1, MaximumImageEdge},
        {SheetOption::PowerOfTwo, "power-of-two", "",
         "round each edge of the sheet up to a power of two", 0, 0},
        {SheetOption::Padding, "padding", "N",
         "pixels of background around each frame inside its cell,\n"
         "%1 to %2",
         0, MaximumPadding},
        {SheetOption::Metadata, "metadata", "FORMAT",
         "frame metadata beside the sheet, named after it: json-hash\n"
         "or json-array (NAME.json), godot (NAME.tres); may be\n"
         "given more than once",
         0, 0},
        {SheetOption::Fps, "fps", "N", "the frame rate the metadata states, %1 to %2", 1,
         MaximumFramesPerSecond},
        {SheetOption::FrameStep, "frame-step", "K",
         "keep every K-th frame (0, K, 2K, ...), %1 to %2; the\n"
         "metadata's rate is divided by K",
         1, MaximumFrameStep},
        {SheetOption::MotionVectors, "motion-vectors", "PRESET",
         "write NAME_mv.png beside the sheet: each kept frame's\n"
         "motion to the next, unity (8-bit, V up, scaled) or raw16\n"
         "(16-bit, 1/256 pixels, y down)",
         0, 0},
        {SheetOption::ColourMode, "colour", "MODE",
         "colour, or intensity: each pixel's ramp index as grey,\n"
         "with the ramp as NAME_ramp.png beside it; needs a .png",
         0, 0},
        {SheetOption::Animation, "animation", "FORMAT",
         "apng: write an animated PNG to a .png name (.gif, .apng\n"
         "and .webp names are animations by their extension)",
         0, 0},
        {SheetOption::Repeat, "repeat", "N",
         "an animation plays N times, %1 to %2, instead of forever", 1, MaximumRepeat},
        {SheetOption::Quality, "quality", "Q",
         "lossy WebP frames of quality Q, %1 to %2, instead of\n"
         "lossless ones",
         0, 100},
        {SheetOption::Palette, "palette", "NAME|FILE",
         "every colour one of a palette's: pico-8, game-boy,\n"
         "sweetie-16, endesga-32, 1-bit, or a .hex, .gpl, .pal or\n"
         ".png file",
         0, 0},
        {SheetOption::Dither, "dither", "MODE",
         "between the palette's colours: none, ordered (a Bayer\n"
         "pattern that stays still) or diffusion (for single\n"
         "pictures; it shimmers in animations)",
         0, 0},
        {SheetOption::Scale, "scale", "N",
         "enlarge every frame N times by nearest neighbour, %1 to %2", 1, MaximumScale},
        {SheetOption::Variants, "variants", "N",
         "render N variants, %1 to %2, with seeds S, S+1, ...; each\n"
         "on whole rows of its own, one animation each",
         2, MaximumVariants},
        {SheetOption::Crop, "crop", "",
         "cut every frame of an animation to the smallest rectangle\n"
         "that holds all it draws in any frame; cells stay one size",
         0, 0},
        {SheetOption::Trim, "trim", "",
         "cut each frame to what it draws and pack the frames tight:\n"
         "for sprite atlases (metadata), not for particle modules",
         0, 0},
    };
    return rows;
}

const SheetOptionRow& sheetOptionRow(SheetOption option) {
    return sheetOptionTable()[static_cast<std::size_t>(option)];
}

} // namespace common
