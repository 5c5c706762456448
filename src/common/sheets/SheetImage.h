#pragma once

#include "common/Colour.h"
#include "common/FrameGrid.h"
#include "common/sheets/SheetAtlas.h"
#include "common/sheets/SheetGrid.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>

namespace common {

// The frames a sheet is made of, as a program holds them: cells 0 to
// frameCount - 1 of `grid` in `image` are the frames in play order (the
// designer's strip, the post-processor's sheet of the used frames).
struct SheetFrames {
    QImage image;
    FrameGrid grid{1, 1};
    int frameCount = 0;
    // What the program shows in cells without a frame: the designer's ramp's
    // first colour, the post-processor's black.
    Colour emptyCellColour = 0;
    // The sheet keeps frames 0, frameStep, 2 frameStep, ... of these.
    int frameStep = 1;
};

// The sheet image of the atlas's animations: animation a's kept frame k is
// frame k frameStep of `sources[a]`, of which the part the atlas frame keeps
// is copied to its place; cells without a frame hold the source's empty-cell
// colour. Everything else, padding and gutters, is background: each
// animation's cells `backgrounds[a]`, the rest of the sheet `backgrounds[0]`.
// Then, for a mode with alpha, every pixel is converted against its
// background (see withAlpha), so that all but the frames becomes transparent,
// empty cells too. `keyedOnly`: the alpha makes only the background
// transparent, as for frames locked to a palette.
QImage makeSheet(const std::vector<SheetFrames>& sources, const SheetAtlas& atlas, AlphaMode mode,
                 const std::vector<Colour>& backgrounds, bool keyedOnly = false);

// The sheet image of `frames` laid out on `grid`, as one animation (above). In
// the additive mode, with the frames' own columns and no padding or
// power-of-two edges, that is the frames' image itself, pixel for pixel.
QImage makeSheet(const SheetFrames& frames, const SheetGrid& grid, AlphaMode mode,
                 Colour background, bool keyedOnly = false);

// The frames enlarged `scale` times by nearest neighbour, their grid's cells
// with them, so that a sheet made of them is in the enlarged pixels throughout.
SheetFrames enlargedFrames(const SheetFrames& frames, int scale);

// The sheet as it is written to `imagePath`: with a palette set, a .png output
// and at most 256 pixel values, the indexed image (see indexedImage); otherwise
// the sheet itself.
QImage sheetToWrite(const QImage& sheet, const SheetOptions& options, const QString& imagePath);

} // namespace common
