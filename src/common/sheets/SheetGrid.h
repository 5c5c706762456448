#pragma once

#include "common/Status.h"
#include "common/sheets/SheetOptions.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace common {

// How a program lays its frames out without sheet options: how many frames,
// how large, and how many columns (the designer's from its width limit, the
// post-processor's from the user).
struct SheetShape {
    SheetShape() = default;
    SheetShape(int frames, int size, int columnCount)
        : frameCount(frames), frameSize(size), columns(columnCount) {}

    int frameCount = 0;
    int frameSize = 0;
    int columns = 1;
    // Frames cut to a rectangle (a crop): their height; 0: as high as wide.
    int frameHeight = 0;
    // Blocks of frames that each begin a row of their own (variants, designs
    // of one atlas), as many frames each as given, before any frame step;
    // empty: all frameCount frames are one block.
    std::vector<int> blocks;
};

// The longest edge a sheet may have under `options` (--max-size, at most the
// limit of pictures), and how a message names it ("--max-size 1024", "the
// limit of 32767 pixels each way").
int sheetEdgeLimit(const SheetOptions& options);
QString sheetEdgeLimitText(const SheetOptions& options);

// The exact grid of a sheet for a game engine: `columns` cells to a row, as
// many rows as the frames fill, no spacing between cells; each cell is the
// frame plus `padding` pixels on each side, the frame in its middle; frames
// fill the cells left to right and top to bottom, each block of frames from
// the start of a row of its own (so the last row of a block may end in empty
// cells). With power-of-two edges the sheet is larger than the grid, which
// stays at its top left.
class SheetGrid {
public:
    SheetGrid() = default;
    // Square frames in one block.
    SheetGrid(int frameCount, int frameSize, int columns, int padding, bool powerOfTwo);
    // Frames of `frameSize` in blocks of `blockFrameCounts` frames (none empty).
    SheetGrid(const std::vector<int>& blockFrameCounts, QSize frameSize, int columns, int padding,
              bool powerOfTwo);

    // The grid of the frames the sheet keeps of `shape` (every frame step-th)
    // under `options`: the given columns, else the shape's own (no more than
    // the frames kept), else (when those do not fit within --max-size) the columns
    // that fit with the fewest empty cells, the squarer sheet on a tie and the
    // wider one after that. Fails with a message naming the option at fault
    // and, when the sheet cannot fit, the smallest size that would hold it;
    // also for no frames, frames over 32767 pixels or padding out of range.
    // With blocks, the columns are shared by every block, and the frames' own
    // columns are held to the largest block's kept frames.
    static Status layOut(const SheetShape& shape, const SheetOptions& options, SheetGrid& grid);

    int frameCount() const { return frameCount_; }
    int frameWidth() const { return frameSize_.width(); }
    int frameHeight() const { return frameSize_.height(); }
    QSize frameSize() const { return frameSize_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int padding() const { return padding_; }
    int cellWidth() const { return frameSize_.width() + 2 * padding_; }
    int cellHeight() const { return frameSize_.height() + 2 * padding_; }
    int emptyCells() const { return columns_ * rows_ - frameCount_; }

    // The blocks of frames, each beginning a row: how many, the frames of
    // block `block`, and the index of its first frame.
    int blockCount() const { return static_cast<int>(blocks_.size()); }
    int blockFrameCount(int block) const;
    int firstFrameOf(int block) const;
    int rowsOf(int block) const;

    // The cells alone, and the whole sheet.
    int gridWidth() const { return columns_ * cellWidth(); }
    int gridHeight() const { return rows_ * cellHeight(); }
    int width() const;
    int height() const;
    bool powerOfTwo() const { return powerOfTwo_; }

    // The cell of frame `frame` (0-based, in play order, counted over every
    // block), gutter included, and the frame inside it.
    QRect cellRect(int frame) const;
    QRect frameRect(int frame) const;
    // Cell `cell` of the grid (0-based, left to right and row after row) and
    // the frame it holds, or -1 for a cell after a block's last frame.
    QRect cellRectAt(int cell) const;
    int frameInCell(int cell) const;

    // For the particle modules: "8 x 2 tiles of 128 x 128 px, 15 fps"
    // ("7.5 fps" for every other frame of 15).
    QString tilesText(double framesPerSecond) const;
    // With power-of-two edges around a grid that is not a power of two wide
    // and high: why a module that takes only tile counts would read the sheet
    // wrong. Otherwise empty.
    QString powerOfTwoWarning() const;

private:
    int frameCount_ = 0;
    QSize frameSize_;
    std::vector<int> blocks_;
    int columns_ = 1;
    int rows_ = 0;
    int padding_ = 0;
    bool powerOfTwo_ = false;
};

} // namespace common
