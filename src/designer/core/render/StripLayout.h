#pragma once

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

    int width() const { return FrameSize * Columns; }
    int height() const { return FrameSize * Rows; }
    // Top-left pixel of the cell of frame f (0-based).
    QPoint cellOrigin(int frame) const {
        return {FrameSize * (frame % Columns), FrameSize * (frame / Columns)};
    }
};

// The ranges the render settings window offers for the strip's settings; a
// strip is at most common::MaximumImageEdge pixels each way.
constexpr int FrameSizeMinimum = 24, FrameSizeMaximum = 512;
constexpr int FrameCountMinimum = 1, FrameCountMaximum = 256;
constexpr int WidthLimitMinimum = 320, WidthLimitMaximum = 1600;

// Lays out the strip for the document's FrameSize, FrameCount and WidthLimit.
// Columns = floor(WidthLimit / FrameSize), at least 1 (a frame wider than the
// limit still gets its column) and at most FrameCount; Rows = ceil(FrameCount /
// Columns). Settings outside the window's ranges, and strips over 32767 pixels in
// either direction, are refused with a message saying what to change.
common::Status layOutStrip(const DesignDocument& document, StripLayout& layout);

} // namespace kirabellum
