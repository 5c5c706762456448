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

QImage makeSheet(const std::vector<SheetFrames>& sources, const SheetAtlas& atlas, AlphaMode mode,
                 const std::vector<Colour>& backgrounds, bool keyedOnly) {
    const int padding = atlas.padding;
    const auto cellOf = [padding](const QRect& rect) {
        return rect.adjusted(-padding, -padding, padding, padding);
    };
    QImage sheet(atlas.size, QImage::Format_RGB32);
    fillRect(sheet, sheet.rect(), backgrounds.front());
    for (std::size_t index = 0; index < atlas.animations.size(); ++index) {
        const AtlasAnimation& animation = atlas.animations[index];
        const SheetFrames& frames = sources[index];
        const Colour background = backgrounds[index];
        const QImage source = frames.image.convertToFormat(QImage::Format_RGB32);
        // With alpha an empty cell is transparent like the rest around the frames.
        const Colour empty = mode == AlphaMode::Additive ? frames.emptyCellColour : background;
        for (const QRect& cell : animation.emptyCells) {
            if (background != backgrounds.front())
                fillRect(sheet, cellOf(cell), background);
            fillRect(sheet, cell, empty);
        }
        for (std::size_t kept = 0; kept < animation.frames.size(); ++kept) {
            const AtlasFrame& frame = animation.frames[kept];
            if (background != backgrounds.front())
                fillRect(sheet, cellOf(frame.rect), background);
            fillRect(sheet, frame.rect, empty);
            const int shown = static_cast<int>(kept) * frames.frameStep;
            if (shown < frames.frameCount)
                copyRect(source,
                         QRect(frames.grid.originOf(shown) + frame.offset, frame.rect.size()),
                         sheet, frame.rect.topLeft());
        }
    }
    QImage converted = withAlpha(sheet, mode, backgrounds.front(), keyedOnly);
    if (mode == AlphaMode::Additive)
        return converted;
    // Cells of an animation with a background of its own are converted against it.
    for (std::size_t index = 1; index < atlas.animations.size(); ++index) {
        if (backgrounds[index] == backgrounds.front())
            continue;
        const AtlasAnimation& animation = atlas.animations[index];
        std::vector<QRect> cells;
        for (const AtlasFrame& frame : animation.frames)
            cells.push_back(cellOf(frame.rect));
        for (const QRect& cell : animation.emptyCells)
            cells.push_back(cellOf(cell));
        for (const QRect& cell : cells) {
            const QImage own = withAlpha(sheet.copy(cell), mode, backgrounds[index], keyedOnly);
            copyRect(own, own.rect(), converted, cell.topLeft());
        }
    }
    return converted;
}

QImage makeSheet(const SheetFrames& frames, const SheetGrid& grid, AlphaMode mode,
                 Colour background, bool keyedOnly) {
    return makeSheet({frames}, SheetAtlas::onGrid(grid), mode, {background}, keyedOnly);
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
