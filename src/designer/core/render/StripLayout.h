#pragma once

#include "common/FrameGrid.h"
#include "common/Status.h"

#include <QPoint>

namespace kirabellum {

struct DesignDocument;

// The grid of the frame strip: FrameCount square frames of FrameSize pixels,
// Columns to a row, left to right and row after row.
struct StripLayout {
    int FrameSize = 0;
    int FrameCount = 0;
    int Columns = 0;
    int Rows = 0;

    common::FrameGrid grid() const { return {FrameSize, Columns}; }
    int width() const { return FrameSize * Columns; }
    int height() const { return FrameSize * Rows; }
    // Top-left pixel of the cell of frame f (0-based).
    QPoint cellOrigin(int frame) const { return grid().originOf(frame); }
};

// The ranges the render settings window offers for the strip's settings; a
// strip is at most common::MaximumImageEdge pixels each way.
constexpr int FrameSizeMinimum = 24, FrameSizeMaximum = 512;
constexpr int FrameCountMinimum = 1, FrameCountMaximum = 256;
constexpr int WidthLimitMinimum = 320, WidthLimitMaximum = 1600;

// The columns that frames of `frameSize` take within `widthLimit`:
// floor(widthLimit / frameSize), at least 1 (a frame wider than the limit still
// gets its column).
int stripColumns(int frameSize, int widthLimit);

// Lays out the strip for the document's FrameSize, FrameCount and WidthLimit:
// stripColumns(), but no more columns than frames, and as many rows as the
// frames fill. Settings outside
// the window's ranges, and strips over 32767 pixels in either direction, are
// refused with a message saying what to change.
common::Status layOutStrip(const DesignDocument& document, StripLayout& layout);
// The same for `frameCount` frames of the document's size, which loop renders
// of several periods record: the document's own FrameCount is checked against
// its range, the strip against 32767 pixels.
common::Status layOutStrip(const DesignDocument& document, int frameCount, StripLayout& layout);

} // namespace kirabellum
