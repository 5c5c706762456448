#pragma once

#include "common/FrameGrid.h"

#include <QImage>
#include <QPoint>

namespace koratune {

// The width of a frame image in pixels, and the side of its square frames: two
// types of their own, so that a grid cannot be made with the two swapped.
struct ImageWidth {
    explicit ImageWidth(int value) : pixels(value) {}
    int pixels;
};

struct FrameSize {
    explicit FrameSize(int value) : pixels(value) {}
    int pixels;
};

struct Mirroring {
    bool horizontal = false;
    bool vertical = false;
};

// The grid of square frames in a frame image: as many columns as whole frames
// fit across the image (the grid holds at least one, so an image narrower than
// a frame holds one frame per row), frames filled in row by row from the
// top-left corner.
class FrameImageGrid : public common::FrameGrid {
public:
    FrameImageGrid(ImageWidth imageWidth, FrameSize frameSize);

    // Copies frame `frame` of `image` into `destination` with its top-left
    // corner at `at`, pixel for pixel, mirrored inside its own square as
    // asked. Pixels of a cell that lies partly or wholly outside the image are
    // drawn black; pixels falling outside `destination` are left out.
    void drawFrame(const QImage& image, int frame, QImage& destination, QPoint at,
                   Mirroring mirroring = {}) const;
};

} // namespace koratune
