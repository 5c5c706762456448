#include "common/FrameGrid.h"

#include <algorithm>

namespace common {

FrameGrid::FrameGrid(int frameSize, int columns)
    : frameSize_(frameSize), columns_(std::max(1, columns)) {}

int FrameGrid::rows(int frameCount) const {
    return (std::max(0, frameCount) + columns_ - 1) / columns_;
}

FrameCell FrameGrid::cellOf(int frame) const {
    return {frame % columns_, frame / columns_};
}

QPoint FrameGrid::originOf(int frame) const {
    const FrameCell cell = cellOf(frame);
    return {frameSize_ * cell.column, frameSize_ * cell.row};
}

QRect FrameGrid::cellRect(int frame) const {
    return {originOf(frame), QSize(frameSize_, frameSize_)};
}

} // namespace common
