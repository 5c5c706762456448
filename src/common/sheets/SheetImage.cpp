#include "common/sheets/SheetImage.h"

#include "common/ImageFile.h"
#include "common/palettes/IndexedImage.h"
#include "common/sheets/AlphaConversion.h"

#include <algorithm>

namespace common {

namespace {

void fillRect(QImage& image, const QRect& rect, Colour colour) {
    const QRgb pixel = colourToRgb(colour);
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + inside.left(), line + inside.left() + inside.width(), pixel);
    }
}

// Copies the part of `from` in `source` that lies inside the image to `at`.
void copyRect(const QImage& source, const QRect& from, QImage& target, QPoint at) {
    const QRect inside = from.intersected(source.rect());
    const QPoint shift = at - from.topLeft();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* targetLine = reinterpret_cast<QRgb*>(target.scanLine(y + shift.y()));
        std::copy(line + inside.left(), line + inside.left() + inside.width(),
                  targetLine + inside.left() + shift.x());
    }
}

} // namespace

QImage makeSheet(const SheetFrames& frames, const SheetGrid& grid, AlphaMode mode,
                 Colour background, bool keyedOnly) {
    const QImage source = frames.image.convertToFormat(QImage::Format_RGB32);
    QImage sheet(grid.width(), grid.height(), QImage::Format_RGB32);
    fillRect(sheet, sheet.rect(), background);
    // With alpha an empty cell is transparent like the rest around the frames.
    const Colour empty = mode == AlphaMode::Additive ? frames.emptyCellColour : background;
    const int cells = grid.columns() * grid.rows();
    for (int cell = 0; cell < cells; ++cell) {
        const QRect frameRect = grid.frameRect(cell);
        fillRect(sheet, frameRect, empty);
        const int frame = cell * frames.frameStep;
        if (cell < grid.frameCount() && frame < frames.frameCount)
            copyRect(source, frames.grid.cellRect(frame), sheet, frameRect.topLeft());
    }
    return withAlpha(sheet, mode, background, keyedOnly);
}

SheetFrames enlargedFrames(const SheetFrames& frames, int scale) {
    if (scale == 1)
        return frames;
    SheetFrames enlarged = frames;
    enlarged.image = frames.image.scaled(frames.image.size() * scale, Qt::IgnoreAspectRatio,
                                         Qt::FastTransformation);
    enlarged.grid = FrameGrid(frames.grid.frameSize() * scale, frames.grid.columns());
    return enlarged;
}

QImage sheetToWrite(const QImage& sheet, const SheetOptions& options, const QString& imagePath) {
    if (options.palette.isEmpty() || imageFormatFor(imagePath) != ImageFormat::Png)
        return sheet;
    const QImage indexed = indexedImage(sheet);
    return indexed.isNull() ? sheet : indexed;
}

} // namespace common
