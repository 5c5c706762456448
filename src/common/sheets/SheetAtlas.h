#pragma once

#include "common/sheets/SheetGrid.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace common {

// One frame in a sheet: where its pixels are and which part of the whole
// frame they are (all of it, unless the frame was cut to what it draws).
struct AtlasFrame {
    QRect rect;       // its pixels in the sheet; the cell's padding lies around them
    QPoint offset;    // where those pixels lie in the whole frame
    QSize sourceSize; // the whole frame
    bool trimmed() const { return rect.size() != sourceSize; }
};

// What an animation of a sheet is before it is laid out: a design, a variant
// of one, or a strip's frames.
struct AtlasBlock {
    QString name; // "burst", "burst_v1": the animation's and its frames' names
    double framesPerSecond = 15;
    bool loop = false;
    // The frames given, before any frame step.
    int frameCount = 0;
    // The program's own columns for them.
    int columns = 1;
    // The whole frame as the sheet holds it (scale included).
    QSize frameSize;
    // The part of every frame its cells keep (a crop); a null rectangle: all of it.
    QRect kept;
    // Frames cut each to its own bounds: those bounds in the whole frame, one
    // per kept frame; empty: uncut.
    std::vector<QRect> bounds;
};

// One animation of a sheet.
struct AtlasAnimation {
    QString name;
    double framesPerSecond = 15;
    bool loop = false;
    // The kept frames in play order.
    std::vector<AtlasFrame> frames;
    // Its block's cells without a frame (the frame's place in each): they show
    // what the program shows for no frame.
    std::vector<QRect> emptyCells;

    // Frame `frame` (0-based): the name, "_", the index in three digits ("burst_000").
    QString frameName(int frame) const;
    // How long each frame shows, in whole milliseconds (the rate is positive).
    int frameDuration() const;
};

// The frames of one or more animations in one sheet.
struct SheetAtlas {
    // The whole sheet, power-of-two edges included.
    QSize size;
    // Pixels of background around every frame inside its cell.
    int padding = 0;
    std::vector<AtlasAnimation> animations;
    // The one grid every frame lies on, an animation a block of rows, when
    // there is one: a particle module can then read the sheet by its tiles.
    std::optional<SheetGrid> grid;
    // Frames cut each to what it draws and packed tight (--trim): no grid.
    bool packed = false;

    int frameCount() const;
    // Whether any frame is cut, by a crop or a trim.
    bool trimmed() const;

    // The animations of `blocks` on `grid`, block b on the grid's block b.
    static SheetAtlas onGrid(const SheetGrid& grid, const std::vector<AtlasBlock>& blocks);
    // The grid's blocks as unnamed animations of its whole frames.
    static SheetAtlas onGrid(const SheetGrid& grid);
};

} // namespace common
