// The layout of several animations in one sheet: blocks of one frame size on
// one grid, of several sizes one under the other, or trimmed frames packed.
// Only the layout: the sheet's pixels and metadata are the sheet target's.
//
// The input starts with seven option bytes:
//   0 blocks (1 to 4)
//   1 bit 0 trim, bit 1 power-of-two edges, bit 2 columns asked for (not with a trim),
//     bit 3 every block cropped (its frames kept one pixel in from each edge)
//   2-3 longest edge allowed (0: none, else up to 599)
//   4 padding (0 to 7)
//   5 columns asked for (0 to 8, with bit 2 of byte 1)
//   6 the frame step less 1 (0 to 3)
// then four bytes a block: frames (1 to 12), its own columns (1 to 12),
// width and height of what its cells keep (1 to 48 each); then, for a trim,
// four bytes a kept frame: the bounds' left, top, width and height in the
// frame (a width of 0: the frame draws nothing).
#include "FuzzInput.h"
#include "FuzzTarget.h"

#include "common/ImageFile.h"
#include "common/sheets/AtlasLayout.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdint>

namespace {

using common::AtlasBlock;
using common::SheetAtlas;
using common::SheetOptions;
using fuzz::require;

struct Input {
    std::vector<AtlasBlock> blocks;
    SheetOptions options;
};

Input readInput(fuzz::FuzzInput& input) {
    Input read;
    SheetOptions& options = read.options;
    const int blocks = 1 + input.byte() % 4;
    const std::uint8_t flags = input.byte();
    options.trim = (flags & 1) != 0;
    options.powerOfTwo = (flags & 2) != 0;
    const bool cropped = (flags & 8) != 0 && !options.trim;
    options.maxSize = input.uint16() % 600;
    options.padding = input.byte() % 8;
    const int columns = input.byte() % 9;
    // A trim takes no columns (see SheetOptions::checkOutput).
    if ((flags & 4) != 0 && !options.trim)
        options.columns = columns;
    options.frameStep = 1 + input.byte() % 4;
    for (int index = 0; index < blocks; ++index) {
        AtlasBlock block;
        block.name = QStringLiteral("animation%1").arg(index);
        block.framesPerSecond = 1 + index;
        block.loop = index % 2 == 1;
        block.frameCount = 1 + input.byte() % 12;
        block.columns = 1 + input.byte() % 12;
        const int width = 1 + input.byte() % 48;
        const QSize kept(width, 1 + input.byte() % 48);
        block.frameSize = cropped ? kept + QSize(2, 2) : kept;
        if (cropped)
            block.kept = QRect(QPoint(1, 1), kept);
        read.blocks.push_back(block);
    }
    if (options.trim)
        for (AtlasBlock& block : read.blocks)
            for (int frame = 0; frame < options.keptFrameCount(block.frameCount); ++frame) {
                const int left = input.byte() % block.frameSize.width();
                const int top = input.byte() % block.frameSize.height();
                const int width = input.byte() % (block.frameSize.width() - left + 1);
                const int height = 1 + input.byte() % (block.frameSize.height() - top);
                block.bounds.push_back(width == 0 ? QRect() : QRect(left, top, width, height));
            }
    return read;
}

int limitOf(const SheetOptions& options) {
    return options.maxSize > 0 ? options.maxSize : common::MaximumImageEdge;
}

int powerOfTwoAtLeast(int value) {
    int power = 1;
    while (power < value)
        power *= 2;
    return power;
}

QSize sheetAround(QSize used, const SheetOptions& options) {
    return options.powerOfTwo
               ? QSize(powerOfTwoAtLeast(used.width()), powerOfTwoAtLeast(used.height()))
               : used;
}

bool within(QSize sheet, const SheetOptions& options) {
    return std::max(sheet.width(), sheet.height()) <= limitOf(options);
}

QSize keptSize(const AtlasBlock& block) {
    return block.kept.isNull() ? block.frameSize : block.kept.size();
}

QSize cellOf(QSize frame, const SheetOptions& options) {
    return frame + QSize(2 * options.padding, 2 * options.padding);
}

// The cells of a laid out atlas: each frame's place, and each empty cell's,
// with the padding around it.
std::vector<QRect> cellsOf(const SheetAtlas& atlas) {
    std::vector<QRect> cells;
    const int padding = atlas.padding;
    for (const common::AtlasAnimation& animation : atlas.animations) {
        for (const common::AtlasFrame& frame : animation.frames)
            cells.push_back(frame.rect.adjusted(-padding, -padding, padding, padding));
        for (const QRect& empty : animation.emptyCells)
            cells.push_back(empty.adjusted(-padding, -padding, padding, padding));
    }
    return cells;
}

// The sheet of frames on whole rows a block, one grid or blocks stacked,
// that is least high within `width`: each block on the most columns of that
// width, or the given columns held to its frames. The sheet is as wide as
// its widest block.
QSize rowsWithin(const Input& input, bool oneGrid, int width) {
    const SheetOptions& options = input.options;
    QSize used(0, 0);
    for (const AtlasBlock& block : input.blocks) {
        const QSize cell = cellOf(keptSize(block), options);
        const int frames = options.keptFrameCount(block.frameCount);
        const int most = options.columns ? std::min(*options.columns, frames)
                                         : std::min(width / cell.width(), frames);
        const int columns = oneGrid && options.columns ? *options.columns : most;
        if (columns < 1)
            return QSize(common::MaximumImageEdge + 1, 0);
        const int rows = (frames + columns - 1) / columns;
        used = QSize(std::max(used.width(), columns * cell.width()),
                     used.height() + rows * cell.height());
    }
    return used;
}

// Whether some layout on whole rows fits: a grid or a stack that fits on any
// columns fits as well on the most columns within its width.
bool rowsFit(const Input& input, bool oneGrid) {
    const SheetOptions& options = input.options;
    if (options.columns) {
        int largest = 0;
        for (const AtlasBlock& block : input.blocks)
            largest = std::max(largest, options.keptFrameCount(block.frameCount));
        if (*options.columns < 1 || (oneGrid && *options.columns > largest))
            return false;
        return within(sheetAround(rowsWithin(input, oneGrid, 0), options), options);
    }
    for (int width = 1; width <= limitOf(options); ++width)
        if (within(sheetAround(rowsWithin(input, oneGrid, width), options), options))
            return true;
    return false;
}

// The trimmed cells' sizes, a pixel at the frame's centre for a frame that
// draws nothing.
std::vector<QSize> trimmedCells(const Input& input) {
    std::vector<QSize> cells;
    for (const AtlasBlock& block : input.blocks)
        for (const QRect& bounds : block.bounds)
            cells.push_back(cellOf(bounds.isNull() ? QSize(1, 1) : bounds.size(), input.options));
    return cells;
}

// Trimmed frames cannot fit when one cell alone, or their area, exceeds the sheet.
bool packingImpossible(const Input& input) {
    const SheetOptions& options = input.options;
    const int limit = limitOf(options);
    const int edge = options.powerOfTwo ? powerOfTwoAtLeast(limit + 1) / 2 : limit;
    std::int64_t area = 0;
    for (const QSize cell : trimmedCells(input)) {
        if (!within(sheetAround(cell, options), options))
            return true;
        area += static_cast<std::int64_t>(cell.width()) * cell.height();
    }
    return area > static_cast<std::int64_t>(edge) * edge;
}

void checkAtlas(const Input& input, const SheetAtlas& atlas, bool oneGrid) {
    const SheetOptions& options = input.options;
    require(atlas.packed == options.trim, "trimmed frames are packed");
    require(atlas.grid.has_value() == oneGrid, "only blocks of one size lie on one grid");
    require(atlas.padding == options.padding, "the atlas keeps the padding");
    require(within(atlas.size, options), "the sheet keeps within the longest edge");
    if (options.powerOfTwo)
        for (const int edge : {atlas.size.width(), atlas.size.height()})
            require((edge & (edge - 1)) == 0, "power-of-two edges");
    require(atlas.animations.size() == input.blocks.size(), "an animation a block");
    for (std::size_t index = 0; index < input.blocks.size(); ++index) {
        const AtlasBlock& block = input.blocks[index];
        const common::AtlasAnimation& animation = atlas.animations[index];
        require(animation.name == block.name && animation.loop == block.loop &&
                    animation.framesPerSecond == block.framesPerSecond,
                "an animation keeps its block's name, rate and loop");
        require(static_cast<int>(animation.frames.size()) ==
                    options.keptFrameCount(block.frameCount),
                "an animation has its block's kept frames");
        require(options.trim || animation.emptyCells.empty() ||
                    animation.emptyCells.front().top() == animation.frames.back().rect.top(),
                "empty cells end a block's last row");
        for (std::size_t frame = 0; frame < animation.frames.size(); ++frame) {
            const common::AtlasFrame& placed = animation.frames[frame];
            require(placed.sourceSize == block.frameSize, "a frame keeps its whole size");
            QRect expected = block.kept.isNull() ? QRect(QPoint(), block.frameSize) : block.kept;
            if (options.trim) {
                const QRect bounds = block.bounds[frame];
                expected = bounds.isNull() ? QRect(block.frameSize.width() / 2,
                                                   block.frameSize.height() / 2, 1, 1)
                                           : bounds;
            }
            require(placed.offset == expected.topLeft() && placed.rect.size() == expected.size(),
                    "a frame holds what its cell keeps, at its offset");
        }
    }
    const std::vector<QRect> cells = cellsOf(atlas);
    for (std::size_t a = 0; a < cells.size(); ++a) {
        require(QRect(QPoint(), atlas.size).contains(cells[a]), "every cell lies in the sheet");
        for (std::size_t b = a + 1; b < cells.size(); ++b)
            require(!cells[a].intersects(cells[b]), "no two cells overlap");
    }
}

// A refusal that names the smallest size that would hold the sheet is right.
void checkSmallestSize(const Input& input, const QString& message) {
    static const QRegularExpression smallest(
        QStringLiteral("the smallest size that would is (\\d+)$"));
    const QRegularExpressionMatch match = smallest.match(message);
    if (!match.hasMatch())
        return;
    SheetOptions larger = input.options;
    larger.maxSize = match.captured(1).toInt();
    require(larger.maxSize > limitOf(input.options), "the size named is larger than the limit");
    SheetAtlas atlas;
    require(common::layOutAtlas(input.blocks, larger, atlas).ok(),
            "the smallest size named holds the sheet");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput bytes(data, size);
    const Input input = readInput(bytes);
    const bool oneSize =
        std::all_of(input.blocks.begin(), input.blocks.end(), [&](const AtlasBlock& block) {
            return keptSize(block) == keptSize(input.blocks.front());
        });
    const bool oneGrid = oneSize && !input.options.trim;

    SheetAtlas atlas;
    const common::Status laidOut = common::layOutAtlas(input.blocks, input.options, atlas);
    require(laidOut.ok() || !laidOut.message().isEmpty(), "a refused layout says why");
    if (input.options.trim) {
        if (packingImpossible(input))
            require(!laidOut.ok(), "trimmed frames are refused when they cannot fit");
        if (trimmedCells(input).size() == 1)
            require(laidOut.ok() == !packingImpossible(input), "one frame fits when its cell does");
    } else {
        require(laidOut.ok() == rowsFit(input, oneGrid),
                "rows of blocks are refused exactly when no layout fits");
    }
    if (!laidOut.ok()) {
        checkSmallestSize(input, laidOut.message());
        return 0;
    }
    checkAtlas(input, atlas, oneGrid);
    return 0;
}
