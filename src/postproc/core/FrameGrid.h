#pragma once

#include <QImage>
#include <QPoint>

namespace koratune {

struct FrameCell {
    int column = 0;
    int row = 0;
};

struct Mirroring {
    bool horizontal = false;
    bool vertical = false;
};

// The grid of square frames in a frame image: as many columns as whole frames
// fit across the image (at least one, so an image narrower than a frame holds
// one frame per row), frames filled in row by row from the top-left corner.
class FrameGrid {
public:
    FrameGrid(int imageWidth, int frameSize);

    int columns() const { return columns_; }

    // The cell of frame `frame` (0-based) and the position of its top-left pixel.
    FrameCell cellOf(int frame) const;
    QPoint originOf(int frame) const;

    // Copies frame `frame` of `image` into `destination` with its top-left
    // corner at `at`, pixel for pixel without smoothing. Each pixel becomes a
    // scale x scale block, and the frame is mirrored inside its own square as
    // asked. Pixels of a cell that lies partly or wholly outside the image are
    // drawn black; pixels falling outside `destination` are left out.
    void drawFrame(const QImage& image, int frame, QImage& destination, QPoint at,
                   Mirroring mirroring = {}, int scale = 1) const;

private:
    int frameSize_;
    int columns_;
};

} // namespace koratune
