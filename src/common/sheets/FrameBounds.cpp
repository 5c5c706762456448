#include "common/sheets/FrameBounds.h"

#include <algorithm>

namespace common {

QRect frameBounds(const SheetFrames& frames, int frame, Colour background) {
    const QRgb backgroundPixel = colourToRgb(background);
    const QPoint origin = frames.grid.originOf(frame);
    const QRect cell = frames.grid.cellRect(frame).intersected(frames.image.rect());
    const QImage image = frames.image.format() == QImage::Format_RGB32
                             ? frames.image
                             : frames.image.convertToFormat(QImage::Format_RGB32);
    int left = cell.right() + 1;
    int right = cell.left() - 1;
    int top = cell.bottom() + 1;
    int bottom = cell.top() - 1;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const auto* begin = line + cell.left();
        const auto* end = line + cell.left() + cell.width();
        const auto differs = [backgroundPixel](QRgb pixel) {
            return (pixel & 0xffffffu) != (backgroundPixel & 0xffffffu);
        };
        const auto* first = std::find_if(begin, end, differs);
        if (first == end)
            continue;
        const auto last = std::find_if(std::make_reverse_iterator(end),
                                       std::make_reverse_iterator(first + 1), differs);
        left = std::min(left, cell.left() + static_cast<int>(first - begin));
        right = std::max(right, cell.left() + static_cast<int>(last.base() - 1 - begin));
        top = std::min(top, y);
        bottom = y;
    }
    if (right < left)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(-origin);
}

std::vector<QRect> keptFrameBounds(const SheetFrames& frames, Colour background) {
    std::vector<QRect> bounds;
    for (int frame = 0; frame < frames.frameCount; frame += frames.frameStep)
        bounds.push_back(frameBounds(frames, frame, background));
    return bounds;
}

QRect unionBounds(const std::vector<SheetFrames>& sets, const std::vector<Colour>& backgrounds) {
    QRect united;
    for (std::size_t set = 0; set < sets.size(); ++set)
        for (const QRect& bounds : keptFrameBounds(sets[set], backgrounds[set]))
            united = united.united(bounds);
    if (!united.isNull())
        return united;
    const int size = sets.front().grid.frameSize();
    return QRect(size / 2, size / 2, 1, 1);
}

} // namespace common
