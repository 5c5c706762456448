#include "common/sheets/SheetGrid.h"

#include "common/FrameGrid.h"
#include "common/ImageFile.h"
#include "common/sheets/SheetOptionTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

namespace common {

namespace {

int powerOfTwoAtLeast(int value) {
    std::int64_t power = 1;
    while (power < value)
        power *= 2;
    return static_cast<int>(std::min<std::int64_t>(power, std::numeric_limits<int>::max()));
}

bool isPowerOfTwo(int value) {
    return value > 0 && (value & (value - 1)) == 0;
}

int longestEdge(const SheetGrid& grid) {
    return std::max(grid.width(), grid.height());
}

bool fits(const SheetGrid& grid, int limit) {
    return longestEdge(grid) <= limit;
}

// True when `a` is the better choice of columns than `b`: fewer empty cells,
// then squarer, then wider.
bool better(const SheetGrid& a, const SheetGrid& b) {
    if (a.emptyCells() != b.emptyCells())
        return a.emptyCells() < b.emptyCells();
    const auto longA = static_cast<std::int64_t>(longestEdge(a));
    const auto longB = static_cast<std::int64_t>(longestEdge(b));
    const auto shortA = static_cast<std::int64_t>(std::min(a.width(), a.height()));
    const auto shortB = static_cast<std::int64_t>(std::min(b.width(), b.height()));
    if (longA * shortB != longB * shortA)
        return longA * shortB < longB * shortA;
    return a.columns() > b.columns();
}

// The shape's grid on `columns` columns under `options`.
SheetGrid gridOf(const SheetShape& shape, int columns, const SheetOptions& options) {
    return SheetGrid(shape.blocks, QSize(shape.frameSize, shape.frameHeight), columns,
                     options.padding, options.powerOfTwo);
}

// The most frames of one block: no more columns than that are useful.
int largestBlock(const SheetShape& shape) {
    return *std::max_element(shape.blocks.begin(), shape.blocks.end());
}

Status givenColumns(const SheetShape& shape, const SheetOptions& options, int limit,
                    SheetGrid& grid) {
    const int columns = *options.columns;
    if (columns < 1 || columns > largestBlock(shape))
        return Status::failure(QCoreApplication::translate("common::SheetGrid",
                                                           "--columns must be from 1 to %1, not %2")
                                   .arg(largestBlock(shape))
                                   .arg(columns));
    const SheetGrid candidate = gridOf(shape, columns, options);
    if (!fits(candidate, limit)) {
        const QString remedy =
            longestEdge(candidate) <= MaximumImageEdge
                ? QCoreApplication::translate("common::SheetGrid",
                                              "the smallest size that would hold it is %1")
                      .arg(longestEdge(candidate))
            : candidate.width() > candidate.height()
                ? QCoreApplication::translate("common::SheetGrid", "choose fewer columns")
                : QCoreApplication::translate("common::SheetGrid", "choose more columns");
        return Status::failure(
            QCoreApplication::translate(
                "common::SheetGrid", "%1 makes the sheet %2 x %3 pixels, more than %4 allows; %5")
                .arg(QCoreApplication::translate("common::SheetGrid", "--columns %1").arg(columns))
                .arg(candidate.width())
                .arg(candidate.height())
                .arg(sheetEdgeLimitText(options), remedy));
    }
    grid = candidate;
    return Status::success();
}

// The frames the sheet keeps of `shape`, block by block, with its frame
// height and blocks spelled out, on its own columns as far as a block has
// frames.
SheetShape keptShape(const SheetShape& shape, const SheetOptions& options) {
    SheetShape kept = shape;
    if (kept.frameHeight == 0)
        kept.frameHeight = kept.frameSize;
    if (kept.blocks.empty())
        kept.blocks = {shape.frameCount};
    kept.frameCount = 0;
    for (int& frames : kept.blocks) {
        frames = options.keptFrameCount(frames);
        kept.frameCount += frames;
    }
    kept.columns = std::min(shape.columns, largestBlock(kept));
    return kept;
}

// Whether the programs could have given `shape`: frames and blocks that make
// edges no sum overflows.
bool possible(const SheetShape& shape) {
    const auto within = [](int value) { return value >= 1 && value <= MaximumImageEdge; };
    if (!within(shape.frameCount) || !within(shape.frameSize) ||
        (shape.frameHeight != 0 && !within(shape.frameHeight)))
        return false;
    std::int64_t frames = 0;
    for (const int block : shape.blocks) {
        if (!within(block))
            return false;
        frames += block;
    }
    return shape.blocks.empty() || frames == shape.frameCount;
}

} // namespace

int sheetEdgeLimit(const SheetOptions& options) {
    return options.maxSize > 0 ? std::min(options.maxSize, MaximumImageEdge) : MaximumImageEdge;
}

QString sheetEdgeLimitText(const SheetOptions& options) {
    if (options.maxSize > 0)
        return QCoreApplication::translate("common::SheetGrid", "--max-size %1")
            .arg(options.maxSize);
    return QCoreApplication::translate("common::SheetGrid", "the limit of %1 pixels each way")
        .arg(MaximumImageEdge);
}

SheetGrid::SheetGrid(int frameCount, int frameSize, int columns, int padding, bool powerOfTwo)
    : SheetGrid({frameCount}, QSize(frameSize, frameSize), columns, padding, powerOfTwo) {}

SheetGrid::SheetGrid(const std::vector<int>& blockFrameCounts, QSize frameSize, int columns,
                     int padding, bool powerOfTwo)
    : frameSize_(frameSize), blocks_(blockFrameCounts), columns_(std::max(1, columns)),
      padding_(padding), powerOfTwo_(powerOfTwo) {
    rows_ = 0;
    frameCount_ = 0;
    for (const int frames : blocks_) {
        frameCount_ += frames;
        rows_ += FrameGrid(1, columns_).rows(frames);
    }
}

Status SheetGrid::layOut(const SheetShape& given, const SheetOptions& options, SheetGrid& grid) {
    // What the programs never give, refused so that no edge overflows.
    if (!possible(given))
        return Status::failure(
            QCoreApplication::translate("common::SheetGrid",
                                        "%1 frames of %2 pixels cannot make a sheet")
                .arg(given.frameCount)
                .arg(given.frameSize));
    const SheetShape shape = keptShape(given, options);
    if (options.padding < 0 || options.padding > MaximumPadding)
        return Status::failure(QCoreApplication::translate("common::SheetGrid",
                                                           "--padding must be from 0 to %1, not %2")
                                   .arg(MaximumPadding)
                                   .arg(options.padding));
    const int limit = sheetEdgeLimit(options);
    if (options.columns)
        return givenColumns(shape, options, limit, grid);
    const SheetGrid own = gridOf(shape, shape.columns, options);
    if (fits(own, limit)) {
        grid = own;
        return Status::success();
    }
    bool found = false;
    SheetGrid best;
    int smallest = 0;
    for (int columns = 1; columns <= largestBlock(shape); ++columns) {
        const SheetGrid candidate = gridOf(shape, columns, options);
        if (smallest == 0 || longestEdge(candidate) < smallest)
            smallest = longestEdge(candidate);
        if (fits(candidate, limit) && (!found || better(candidate, best))) {
            best = candidate;
            found = true;
        }
    }
    if (!found)
        return Status::failure(
            QCoreApplication::translate(
                "common::SheetGrid", "%1 cannot hold a sheet of %2 frames of %3 x %4 pixels%5; the "
                                     "smallest size that would is %6")
                .arg(sheetEdgeLimitText(options))
                .arg(shape.frameCount)
                .arg(shape.frameSize)
                .arg(shape.frameHeight)
                .arg(options.padding > 0
                         ? QCoreApplication::translate("common::SheetGrid", " with --padding %1")
                               .arg(options.padding)
                         : QString())
                .arg(smallest));
    grid = best;
    return Status::success();
}

int SheetGrid::width() const {
    return powerOfTwo_ ? powerOfTwoAtLeast(gridWidth()) : gridWidth();
}

int SheetGrid::height() const {
    return powerOfTwo_ ? powerOfTwoAtLeast(gridHeight()) : gridHeight();
}

int SheetGrid::blockFrameCount(int block) const {
    return blocks_[static_cast<std::size_t>(block)];
}

int SheetGrid::firstFrameOf(int block) const {
    return std::accumulate(blocks_.begin(), blocks_.begin() + block, 0);
}

int SheetGrid::rowsOf(int block) const {
    return FrameGrid(1, columns_).rows(blockFrameCount(block));
}

QRect SheetGrid::cellRectAt(int cell) const {
    return QRect((cell % columns_) * cellWidth(), (cell / columns_) * cellHeight(), cellWidth(),
                 cellHeight());
}

int SheetGrid::frameInCell(int cell) const {
    int firstCell = 0;
    int firstFrame = 0;
    for (const int frames : blocks_) {
        const int cells = FrameGrid(1, columns_).rows(frames) * columns_;
        if (cell < firstCell + cells)
            return cell - firstCell < frames ? firstFrame + cell - firstCell : -1;
        firstCell += cells;
        firstFrame += frames;
    }
    return -1;
}

QRect SheetGrid::cellRect(int frame) const {
    // Frames past the last block (as in a sheet's empty cells) continue the last row.
    int firstCell = 0;
    int firstFrame = 0;
    for (std::size_t block = 0; block + 1 < blocks_.size(); ++block) {
        if (frame < firstFrame + blocks_[block])
            break;
        firstCell += FrameGrid(1, columns_).rows(blocks_[block]) * columns_;
        firstFrame += blocks_[block];
    }
    return cellRectAt(firstCell + frame - firstFrame);
}

QRect SheetGrid::frameRect(int frame) const {
    return cellRect(frame).adjusted(padding_, padding_, -padding_, -padding_);
}

QString SheetGrid::tilesText(double framesPerSecond) const {
    return QCoreApplication::translate("common::SheetGrid", "%1 x %2 tiles of %3 x %4 px, %5 fps")
        .arg(columns_)
        .arg(rows_)
        .arg(cellWidth())
        .arg(cellHeight())
        .arg(frameRateText(framesPerSecond));
}

QString SheetGrid::powerOfTwoWarning() const {
    if (!powerOfTwo_ || (isPowerOfTwo(gridWidth()) && isPowerOfTwo(gridHeight())))
        return QString();
    return QCoreApplication::translate(
               "common::SheetGrid",
               "the %1 x %2 tiles take %3 x %4 pixels of the %5 x %6 sheet, not all "
               "of it: a particle module that takes only tile counts would read the "
               "sheet wrong")
        .arg(columns_)
        .arg(rows_)
        .arg(gridWidth())
        .arg(gridHeight())
        .arg(width())
        .arg(height());
}

} // namespace common
