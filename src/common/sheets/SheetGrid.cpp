#include "common/sheets/SheetGrid.h"

#include "common/FrameGrid.h"
#include "common/ImageFile.h"
#include "common/sheets/SheetOptionTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <limits>

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

QString edgeLimit(const SheetOptions& options) {
    if (options.maxSize > 0)
        return QCoreApplication::translate("common::SheetGrid", "--max-size %1")
            .arg(options.maxSize);
    return QCoreApplication::translate("common::SheetGrid", "the limit of %1 pixels each way")
        .arg(MaximumImageEdge);
}

Status givenColumns(const SheetShape& shape, const SheetOptions& options, int limit,
                    SheetGrid& grid) {
    const int columns = *options.columns;
    if (columns < 1 || columns > shape.frameCount)
        return Status::failure(QCoreApplication::translate("common::SheetGrid",
                                                           "--columns must be from 1 to %1, not %2")
                                   .arg(shape.frameCount)
                                   .arg(columns));
    const SheetGrid candidate(shape.frameCount, shape.frameSize, columns, options.padding,
                              options.powerOfTwo);
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
                .arg(edgeLimit(options), remedy));
    }
    grid = candidate;
    return Status::success();
}

// The frames the sheet keeps of `shape`, on its own columns as far as they
// have frames.
SheetShape keptShape(const SheetShape& shape, const SheetOptions& options) {
    const int kept = options.keptFrameCount(shape.frameCount);
    return {kept, shape.frameSize, std::min(shape.columns, kept)};
}

} // namespace

SheetGrid::SheetGrid(int frameCount, int frameSize, int columns, int padding, bool powerOfTwo)
    : frameCount_(frameCount), frameSize_(frameSize), columns_(std::max(1, columns)),
      rows_(FrameGrid(frameSize, columns_).rows(frameCount)), padding_(padding),
      powerOfTwo_(powerOfTwo) {}

Status SheetGrid::layOut(const SheetShape& given, const SheetOptions& options, SheetGrid& grid) {
    // What the programs never give, refused so that no edge overflows.
    if (given.frameCount < 1 || given.frameCount > MaximumImageEdge || given.frameSize < 1 ||
        given.frameSize > MaximumImageEdge)
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
    const int limit =
        options.maxSize > 0 ? std::min(options.maxSize, MaximumImageEdge) : MaximumImageEdge;
    if (options.columns)
        return givenColumns(shape, options, limit, grid);
    const SheetGrid own(shape.frameCount, shape.frameSize, shape.columns, options.padding,
                        options.powerOfTwo);
    if (fits(own, limit)) {
        grid = own;
        return Status::success();
    }
    bool found = false;
    SheetGrid best;
    int smallest = 0;
    for (int columns = 1; columns <= shape.frameCount; ++columns) {
        const SheetGrid candidate(shape.frameCount, shape.frameSize, columns, options.padding,
                                  options.powerOfTwo);
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
                "common::SheetGrid", "%1 cannot hold a sheet of %2 frames of %3 x %3 pixels%4; the "
                                     "smallest size that would is %5")
                .arg(edgeLimit(options))
                .arg(shape.frameCount)
                .arg(shape.frameSize)
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

QRect SheetGrid::cellRect(int frame) const {
    return FrameGrid(cellSize(), columns_).cellRect(frame);
}

QRect SheetGrid::frameRect(int frame) const {
    return cellRect(frame).adjusted(padding_, padding_, -padding_, -padding_);
}

QString SheetGrid::tilesText(double framesPerSecond) const {
    return QCoreApplication::translate("common::SheetGrid", "%1 x %2 tiles of %3 x %3 px, %4 fps")
        .arg(columns_)
        .arg(rows_)
        .arg(cellSize())
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
