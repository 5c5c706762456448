#pragma once

#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace common {

// Rectangles packed into one bin by the MaxRects rule: the bin's free space is
// kept as the largest free rectangles (which may overlap), and each rectangle
// goes to the top-left corner of the free rectangle it leaves the shortest
// side over in (best short side fit; then the shortest long side, then the
// highest and leftmost place). Nothing is rotated.
class MaxRectsPacker {
public:
    explicit MaxRectsPacker(QSize bin);

    // Places a rectangle of `size` (not empty) and returns where it lies;
    // nothing when no free space holds it.
    std::optional<QRect> insert(QSize size);
    // The smallest rectangle from the bin's top-left that holds every
    // rectangle placed.
    QSize used() const { return used_; }

    // Every rectangle of `sizes` in `bin`, placed in a fixed order (tallest
    // first, then widest, then as given) and returned in the order given;
    // nothing when one does not fit.
    static std::optional<std::vector<QRect>> pack(const std::vector<QSize>& sizes, QSize bin);

private:
    void splitFreeAround(const QRect& placed);
    void pruneContained(std::size_t firstNew);

    std::vector<QRect> free_;
    QSize used_;
};

} // namespace common
