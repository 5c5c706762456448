#pragma once

#include <QPoint>
#include <QRect>

namespace common {

struct FrameCell {
    int column = 0;
    int row = 0;
};

// The grid of square frames that the designer lays its frame strip out in and
// the post-processor reads frame images by: `columns` cells of `frameSize`
// pixels to a row, frames filled in left to right, row after row, from the
// top-left corner. Each program decides how many columns it takes; a grid has
// at least one.
class FrameGrid {
public:
    FrameGrid(int frameSize, int columns);

    int frameSize() const { return frameSize_; }
    int columns() const { return columns_; }
    // The rows that `frameCount` frames fill: ceil(frameCount / columns).
    int rows(int frameCount) const;

    // The cell of frame `frame` (0-based), the position of its top-left pixel
    // and the square it covers.
    FrameCell cellOf(int frame) const;
    QPoint originOf(int frame) const;
    QRect cellRect(int frame) const;

private:
    int frameSize_;
    int columns_;
};

} // namespace common
