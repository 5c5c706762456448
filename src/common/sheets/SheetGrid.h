#pragma once

#include "common/Status.h"
#include "common/sheets/SheetOptions.h"

#include <QRect>
#include <QString>

namespace common {

// How a program lays its frames out without sheet options: how many frames,
// how large, and how many columns (the designer's from its width limit, the
// post-processor's from the user).
struct SheetShape {
    int frameCount = 0;
    int frameSize = 0;
    int columns = 1;
};

// The exact grid of a sheet for a game engine: `columns` cells to a row, as
// many rows as the frames fill, no spacing between cells; each cell is the
// frame plus `padding` pixels on each side, the frame in its middle; frames
// fill the cells left to right and top to bottom. With power-of-two edges the
// sheet is larger than the grid, which stays at its top left.
class SheetGrid {
public:
    SheetGrid() = default;
    SheetGrid(int frameCount, int frameSize, int columns, int padding, bool powerOfTwo);

    // The grid of the frames the sheet keeps of `shape` (every frame step-th)
    // under `options`: the given columns, else the shape's own (no more than
    // the frames kept), else (when those do not fit within --max-size) the columns
    // that fit with the fewest empty cells, the squarer sheet on a tie and the
    // wider one after that. Fails with a message naming the option at fault
    // and, when the sheet cannot fit, the smallest size that would hold it;
    // also for no frames, frames over 32767 pixels or padding out of range.
    static Status layOut(const SheetShape& shape, const SheetOptions& options, SheetGrid& grid);

    int frameCount() const { return frameCount_; }
    int frameSize() const { return frameSize_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int padding() const { return padding_; }
    int cellSize() const { return frameSize_ + 2 * padding_; }
    int emptyCells() const { return columns_ * rows_ - frameCount_; }

    // The cells alone, and the whole sheet.
    int gridWidth() const { return columns_ * cellSize(); }
    int gridHeight() const { return rows_ * cellSize(); }
    int width() const;
    int height() const;
    bool powerOfTwo() const { return powerOfTwo_; }

    // The cell of frame `frame` (0-based, in play order), gutter included, and
    // the frame inside it.
    QRect cellRect(int frame) const;
    QRect frameRect(int frame) const;

    // For the particle modules: "8 x 2 tiles of 128 x 128 px, 15 fps"
    // ("7.5 fps" for every other frame of 15).
    QString tilesText(double framesPerSecond) const;
    // With power-of-two edges around a grid that is not a power of two wide
    // and high: why a module that takes only tile counts would read the sheet
    // wrong. Otherwise empty.
    QString powerOfTwoWarning() const;

private:
    int frameCount_ = 0;
    int frameSize_ = 0;
    int columns_ = 1;
    int rows_ = 0;
    int padding_ = 0;
    bool powerOfTwo_ = false;
};

} // namespace common
