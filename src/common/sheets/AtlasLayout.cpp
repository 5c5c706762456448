#include "common/sheets/AtlasLayout.h"

#include "common/ImageFile.h"
#include "common/sheets/MaxRectsPacker.h"

#include <QCoreApplication>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace common {

namespace {

// A way to lay the blocks out within a longest edge; nothing when they do not fit.
using Arrangement = std::function<std::optional<SheetAtlas>(const std::vector<AtlasBlock>&, int)>;

// The size of the frames a block's cells hold: the crop, or the whole frame.
QSize keptSize(const AtlasBlock& block) {
    return block.kept.isNull() ? block.frameSize : block.kept.size();
}

bool oneSize(const std::vector<AtlasBlock>& blocks) {
    return std::all_of(blocks.begin(), blocks.end(), [&](const AtlasBlock& block) {
        return keptSize(block) == keptSize(blocks.front());
    });
}

int longestEdge(QSize size) {
    return std::max(size.width(), size.height());
}

// The sheet around `used` pixels: those, or the powers of two at least as large.
QSize sheetAround(QSize used, bool powerOfTwo) {
    if (!powerOfTwo)
        return used;
    const auto edge = [](int pixels) {
        return static_cast<int>(qNextPowerOfTwo(static_cast<quint32>(pixels - 1)));
    };
    return QSize(edge(used.width()), edge(used.height()));
}

// True when a sheet of `a` is the squarer than one of `b`.
bool squarer(QSize a, QSize b) {
    const auto shortEdge = [](QSize size) {
        return static_cast<std::int64_t>(std::min(size.width(), size.height()));
    };
    return longestEdge(a) * shortEdge(b) < longestEdge(b) * shortEdge(a);
}

Status layOutGrid(const std::vector<AtlasBlock>& blocks, const SheetOptions& options,
                  SheetAtlas& atlas) {
    SheetShape shape;
    const QSize size = keptSize(blocks.front());
    shape.frameSize = size.width();
    shape.frameHeight = size.height();
    for (const AtlasBlock& block : blocks) {
        shape.blocks.push_back(block.frameCount);
        shape.frameCount += block.frameCount;
        shape.columns = std::max(shape.columns, block.columns);
    }
    SheetGrid grid;
    const Status status = SheetGrid::layOut(shape, options, grid);
    if (status.ok())
        atlas = SheetAtlas::onGrid(grid, blocks);
    return status;
}

// One block's grid as SheetGrid lays it out alone, without a longest edge or
// power-of-two edges (those go around the whole sheet), on --columns as far
// as the block has frames.
Status ownGrid(const AtlasBlock& block, const SheetOptions& options, SheetGrid& grid) {
    SheetShape shape(block.frameCount, keptSize(block).width(), block.columns);
    shape.frameHeight = keptSize(block).height();
    SheetOptions alone = options;
    alone.maxSize = 0;
    alone.powerOfTwo = false;
    if (alone.columns && *alone.columns >= 1)
        alone.columns = std::min(*alone.columns, options.keptFrameCount(block.frameCount));
    return SheetGrid::layOut(shape, alone, grid);
}

// The blocks' grids one under the other.
struct Stack {
    std::vector<SheetGrid> grids;
    QSize used{0, 0};
    int emptyCells = 0;

    void add(const SheetGrid& grid) {
        grids.push_back(grid);
        used = QSize(std::max(used.width(), grid.gridWidth()), used.height() + grid.gridHeight());
        emptyCells += grid.emptyCells();
    }
};

SheetAtlas atlasOf(const Stack& stack, const std::vector<AtlasBlock>& blocks, bool powerOfTwo) {
    SheetAtlas atlas;
    atlas.size = sheetAround(stack.used, powerOfTwo);
    atlas.padding = stack.grids.front().padding();
    int top = 0;
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        const SheetGrid& grid = stack.grids[block];
        AtlasAnimation animation = SheetAtlas::onGrid(grid, {blocks[block]}).animations.front();
        for (AtlasFrame& frame : animation.frames)
            frame.rect.translate(0, top);
        for (QRect& cell : animation.emptyCells)
            cell.translate(0, top);
        atlas.animations.push_back(animation);
        top += grid.gridHeight();
    }
    return atlas;
}

// Blocks of several frame sizes one under the other, each on the columns
// SheetGrid gives it alone. When those do not fit (and --columns is not
// given), every block takes the fewest rows within a common width, on the
// fewest columns that make them; of the widths that fit, the sheet with the
// fewest empty cells wins, then the squarer, then the wider.
std::optional<SheetAtlas> stacked(const std::vector<AtlasBlock>& blocks,
                                  const SheetOptions& options, int limit) {
    const auto fits = [&](const Stack& stack) {
        return longestEdge(sheetAround(stack.used, options.powerOfTwo)) <= limit;
    };
    Stack own;
    for (const AtlasBlock& block : blocks) {
        SheetGrid grid;
        if (!ownGrid(block, options, grid).ok())
            return std::nullopt;
        own.add(grid);
    }
    if (fits(own))
        return atlasOf(own, blocks, options.powerOfTwo);
    if (options.columns)
        return std::nullopt;
    std::vector<int> widths;
    for (const SheetGrid& grid : own.grids)
        for (int columns = 1; columns <= grid.frameCount(); ++columns)
            if (columns * grid.cellWidth() <= limit)
                widths.push_back(columns * grid.cellWidth());
    std::sort(widths.begin(), widths.end());
    widths.erase(std::unique(widths.begin(), widths.end()), widths.end());
    std::optional<Stack> best;
    for (const int width : widths) {
        Stack stack;
        for (const SheetGrid& grid : own.grids) {
            const int most = std::min(width / grid.cellWidth(), grid.frameCount());
            if (most < 1)
                break;
            const int rows = (grid.frameCount() + most - 1) / most;
            stack.add(SheetGrid({grid.frameCount()}, grid.frameSize(),
                                (grid.frameCount() + rows - 1) / rows, grid.padding(), false));
        }
        if (stack.grids.size() != own.grids.size() || !fits(stack))
            continue;
        const QSize sheet = sheetAround(stack.used, options.powerOfTwo);
        const QSize bestSheet = best ? sheetAround(best->used, options.powerOfTwo) : QSize();
        if (!best || stack.emptyCells < best->emptyCells ||
            (stack.emptyCells == best->emptyCells &&
             (squarer(sheet, bestSheet) ||
              (!squarer(bestSheet, sheet) && sheet.width() > bestSheet.width()))))
            best = stack;
    }
    if (!best)
        return std::nullopt;
    return atlasOf(*best, blocks, options.powerOfTwo);
}

// Where frame `frame` of `block` keeps its pixels: its bounds, or one pixel
// at its centre when it draws nothing.
QRect trimmedBounds(const AtlasBlock& block, std::size_t frame) {
    const QRect bounds = block.bounds[frame];
    if (!bounds.isNull())
        return bounds;
    return QRect(block.frameSize.width() / 2, block.frameSize.height() / 2, 1, 1);
}

// The widths a packing is tried at: powers of two, or from the square of the
// cells' area up to twice as wide, in eighths; the widest allowed last.
std::vector<int> packingWidths(int widestCell, std::int64_t area, const SheetOptions& options,
                               int limit) {
    std::vector<int> widths;
    if (options.powerOfTwo) {
        for (std::int64_t width = sheetAround(QSize(widestCell, 1), true).width(); width <= limit;
             width *= 2)
            widths.push_back(static_cast<int>(width));
        return widths;
    }
    const double side = std::ceil(std::sqrt(static_cast<double>(area)));
    for (int eighths = 8; eighths <= 16; ++eighths) {
        const int width = std::max(widestCell, static_cast<int>(std::ceil(side * eighths / 8)));
        if (width <= limit && (widths.empty() || width != widths.back()))
            widths.push_back(width);
    }
    if (widths.empty() || widths.back() != limit)
        widths.push_back(limit);
    return widths;
}

// Every kept frame cut to its bounds, its padding around it, packed by the
// MaxRects rule into bins of the widths above and as high as allowed; the
// smallest sheet wins, then the squarer, then the first tried. The widest bin
// is tried only when no other holds them.
std::optional<SheetAtlas> packed(const std::vector<AtlasBlock>& blocks, const SheetOptions& options,
                                 int limit) {
    const int padding = options.padding;
    std::vector<QSize> cells;
    QSize largest(0, 0);
    std::int64_t area = 0;
    for (const AtlasBlock& block : blocks)
        for (std::size_t frame = 0; frame < block.bounds.size(); ++frame) {
            const QSize cell = trimmedBounds(block, frame).size() + QSize(2 * padding, 2 * padding);
            cells.push_back(cell);
            largest = largest.expandedTo(cell);
            area += static_cast<std::int64_t>(cell.width()) * cell.height();
        }
    if (longestEdge(largest) > limit)
        return std::nullopt;
    const std::vector<int> widths = packingWidths(largest.width(), area, options, limit);
    std::optional<std::vector<QRect>> best;
    QSize bestSheet;
    for (std::size_t tried = 0; tried < widths.size(); ++tried) {
        if (best && tried + 1 == widths.size() && !options.powerOfTwo)
            break;
        std::optional<std::vector<QRect>> placed =
            MaxRectsPacker::pack(cells, QSize(widths[tried], limit));
        if (!placed)
            continue;
        QSize used(0, 0);
        for (const QRect& rect : *placed)
            used = used.expandedTo(QSize(rect.right() + 1, rect.bottom() + 1));
        const QSize sheet = sheetAround(used, options.powerOfTwo);
        const auto sheetArea = [](QSize size) {
            return static_cast<std::int64_t>(size.width()) * size.height();
        };
        if (longestEdge(sheet) > limit)
            continue;
        if (!best || sheetArea(sheet) < sheetArea(bestSheet) ||
            (sheetArea(sheet) == sheetArea(bestSheet) && squarer(sheet, bestSheet))) {
            best = std::move(placed);
            bestSheet = sheet;
        }
    }
    if (!best)
        return std::nullopt;
    SheetAtlas atlas;
    atlas.size = bestSheet;
    atlas.padding = padding;
    atlas.packed = true;
    auto cell = best->begin();
    for (const AtlasBlock& block : blocks) {
        AtlasAnimation animation{block.name, block.framesPerSecond, block.loop, {}, {}};
        for (std::size_t frame = 0; frame < block.bounds.size(); ++frame, ++cell) {
            const QRect bounds = trimmedBounds(block, frame);
            animation.frames.push_back({cell->adjusted(padding, padding, -padding, -padding),
                                        bounds.topLeft(), block.frameSize});
        }
        atlas.animations.push_back(animation);
    }
    return atlas;
}

// The smallest longest edge up to the limit of pictures that `arrange`
// holds the blocks within; 0 when none does.
int smallestEdge(const std::vector<AtlasBlock>& blocks, const Arrangement& arrange) {
    if (!arrange(blocks, MaximumImageEdge))
        return 0;
    int low = 1;
    int high = MaximumImageEdge;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (arrange(blocks, middle))
            high = middle;
        else
            low = middle + 1;
    }
    return high;
}

// How many of the first blocks `arrange` holds within `limit`.
int blocksThatFit(const std::vector<AtlasBlock>& blocks, const Arrangement& arrange, int limit) {
    int low = 0;
    int high = static_cast<int>(blocks.size()) - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (arrange({blocks.begin(), blocks.begin() + middle}, limit))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// Why the blocks do not fit, naming the longest edge and what would fit: the
// smallest edge that holds them, else how many of the animations fit.
QString tooLarge(const std::vector<AtlasBlock>& blocks, const SheetOptions& options,
                 const Arrangement& arrange) {
    int frames = 0;
    for (const AtlasBlock& block : blocks)
        frames += options.keptFrameCount(block.frameCount);
    QString given;
    if (options.columns)
        given += QCoreApplication::translate("common::AtlasLayout", " with --columns %1")
                     .arg(*options.columns);
    if (options.padding > 0)
        given += QCoreApplication::translate("common::AtlasLayout", " with --padding %1")
                     .arg(options.padding);
    const QString what =
        options.trim ? QCoreApplication::translate("common::AtlasLayout",
                                                   "%1 cannot hold %2 trimmed frames%3")
                     : QCoreApplication::translate("common::AtlasLayout",
                                                   "%1 cannot hold %2 frames of several sizes%3");
    const QString problem = what.arg(sheetEdgeLimitText(options)).arg(frames).arg(given);
    const int smallest = smallestEdge(blocks, arrange);
    if (smallest > 0)
        return QCoreApplication::translate("common::AtlasLayout",
                                           "%1; the smallest size that would is %2")
            .arg(problem)
            .arg(smallest);
    const int fitting = blocksThatFit(blocks, arrange, sheetEdgeLimit(options));
    if (fitting == 0)
        return QCoreApplication::translate("common::AtlasLayout",
                                           "%1; not even the first animation fits")
            .arg(problem);
    return QCoreApplication::translate("common::AtlasLayout",
                                       "%1; only the first %2 of its %3 animations would fit")
        .arg(problem)
        .arg(fitting)
        .arg(static_cast<int>(blocks.size()));
}

} // namespace

Status layOutAtlas(const std::vector<AtlasBlock>& blocks, const SheetOptions& options,
                   SheetAtlas& atlas) {
    if (blocks.empty())
        return Status::failure(
            QCoreApplication::translate("common::AtlasLayout", "a sheet needs an animation"));
    if (!options.trim && oneSize(blocks))
        return layOutGrid(blocks, options, atlas);
    // Each block alone as SheetGrid lays it out: the frame counts, sizes,
    // padding and columns it refuses are refused here alike.
    for (const AtlasBlock& block : blocks) {
        SheetGrid grid;
        if (const Status status = ownGrid(block, options, grid); !status.ok())
            return status;
        if (options.trim && block.bounds.size() != static_cast<std::size_t>(grid.frameCount()))
            return Status::failure(
                QCoreApplication::translate("common::AtlasLayout",
                                            "%1 has bounds for %2 of its %3 frames")
                    .arg(block.name)
                    .arg(block.bounds.size())
                    .arg(grid.frameCount()));
    }
    const Arrangement arrange = [&options](const std::vector<AtlasBlock>& some, int limit) {
        return options.trim ? packed(some, options, limit) : stacked(some, options, limit);
    };
    std::optional<SheetAtlas> laidOut = arrange(blocks, sheetEdgeLimit(options));
    if (!laidOut)
        return Status::failure(tooLarge(blocks, options, arrange));
    atlas = std::move(*laidOut);
    return Status::success();
}

QString atlasTilesText(const SheetAtlas& atlas) {
    if (atlas.packed)
        return QCoreApplication::translate("common::AtlasLayout",
                                           "packed frames, not a grid: load it by its metadata");
    if (!atlas.grid)
        return QCoreApplication::translate(
            "common::AtlasLayout",
            "frames of several sizes, not a uniform grid a particle module can read: load it "
            "by its metadata");
    QString text = atlas.grid->tilesText(atlas.animations.front().framesPerSecond);
    const int animations = static_cast<int>(atlas.animations.size());
    if (animations > 1 && atlas.grid->rows() == animations)
        text +=
            QCoreApplication::translate("common::AtlasLayout", "; Single Row, Random Row, %1 rows")
                .arg(animations);
    return text;
}

QString atlasGridWarning(const SheetAtlas& atlas) {
    if (atlas.packed)
        return QCoreApplication::translate(
            "common::AtlasLayout",
            "the frames are trimmed and packed, not on a grid: a particle module that takes "
            "only tile counts cannot read the sheet; load it by its metadata (json-hash, "
            "json-array or godot)");
    if (!atlas.grid)
        return QCoreApplication::translate(
            "common::AtlasLayout",
            "the animations' frames are of several sizes, not on one uniform grid: a particle "
            "module that takes only tile counts cannot read the sheet; load it by its "
            "metadata (json-hash, json-array or godot)");
    return QString();
}

} // namespace common
