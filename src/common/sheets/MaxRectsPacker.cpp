#include "common/sheets/MaxRectsPacker.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace common {

MaxRectsPacker::MaxRectsPacker(QSize bin) : free_{QRect(QPoint(), bin)}, used_(0, 0) {}

std::optional<QRect> MaxRectsPacker::insert(QSize size) {
    // Best short side fit: the smallest leftover side, then the smallest
    // other leftover side, then the highest and leftmost place.
    std::optional<std::tuple<int, int, int, int>> best;
    QRect placed;
    for (const QRect& space : free_) {
        if (space.width() < size.width() || space.height() < size.height())
            continue;
        const int leftWidth = space.width() - size.width();
        const int leftHeight = space.height() - size.height();
        const auto score = std::make_tuple(std::min(leftWidth, leftHeight),
                                           std::max(leftWidth, leftHeight), space.y(), space.x());
        if (!best || score < *best) {
            best = score;
            placed = QRect(space.topLeft(), size);
        }
    }
    if (!best)
        return std::nullopt;
    splitFreeAround(placed);
    used_ = used_.expandedTo(QSize(placed.right() + 1, placed.bottom() + 1));
    return placed;
}

void MaxRectsPacker::splitFreeAround(const QRect& placed) {
    const std::size_t kept = free_.size();
    std::vector<QRect> untouched;
    std::vector<QRect> pieces;
    for (std::size_t index = 0; index < kept; ++index) {
        const QRect space = free_[index];
        if (!space.intersects(placed)) {
            untouched.push_back(space);
            continue;
        }
        // The parts of the free rectangle left, right, above and below the
        // placed one, each as large as it can be.
        if (placed.left() > space.left())
            pieces.emplace_back(space.left(), space.top(), placed.left() - space.left(),
                                space.height());
        if (placed.right() < space.right())
            pieces.emplace_back(placed.right() + 1, space.top(), space.right() - placed.right(),
                                space.height());
        if (placed.top() > space.top())
            pieces.emplace_back(space.left(), space.top(), space.width(),
                                placed.top() - space.top());
        if (placed.bottom() < space.bottom())
            pieces.emplace_back(space.left(), placed.bottom() + 1, space.width(),
                                space.bottom() - placed.bottom());
    }
    free_ = std::move(untouched);
    const std::size_t firstNew = free_.size();
    free_.insert(free_.end(), pieces.begin(), pieces.end());
    pruneContained(firstNew);
}

// The free rectangles hold none of each other. A new piece lies in the free
// rectangle it was cut from, so it holds no older one: only the new pieces
// can lie in another rectangle (of two equal ones, the later goes).
void MaxRectsPacker::pruneContained(std::size_t firstNew) {
    std::vector<bool> contained(free_.size(), false);
    for (std::size_t piece = firstNew; piece < free_.size(); ++piece)
        for (std::size_t other = 0; other < free_.size() && !contained[piece]; ++other)
            contained[piece] = other != piece && free_[other].contains(free_[piece]) &&
                               (free_[other] != free_[piece] || other < piece);
    std::size_t next = 0;
    for (std::size_t index = 0; index < free_.size(); ++index)
        if (!contained[index])
            free_[next++] = free_[index];
    free_.resize(next);
}

std::optional<std::vector<QRect>> MaxRectsPacker::pack(const std::vector<QSize>& sizes, QSize bin) {
    std::vector<std::size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::make_pair(sizes[a].height(), sizes[a].width()) >
               std::make_pair(sizes[b].height(), sizes[b].width());
    });
    MaxRectsPacker packer(bin);
    std::vector<QRect> placed(sizes.size());
    for (const std::size_t index : order) {
        const std::optional<QRect> rect = packer.insert(sizes[index]);
        if (!rect)
            return std::nullopt;
        placed[index] = *rect;
    }
    return placed;
}

} // namespace common
