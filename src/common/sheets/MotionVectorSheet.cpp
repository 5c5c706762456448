#include "common/sheets/MotionVectorSheet.h"

#include "common/Rounding.h"

#include <QColor>
#include <QRgba64>

#include <algorithm>
#include <cmath>

namespace common {

namespace {

constexpr int UnityNeutral = 128;
constexpr int UnityReach = 127;
constexpr int Raw16Neutral = 32768;
constexpr double Raw16StepsPerPixel = 256.0;
constexpr int Raw16Largest = 65535;

// The largest vector as a fraction of the cell: the unity preset's scale.
double unityScale(const std::vector<MotionVectorFrame>& frames, int cellSize) {
    double largest = 0.0;
    for (const MotionVectorFrame& frame : frames) {
        for (const float dx : frame.dx)
            largest = std::max(largest, std::abs(static_cast<double>(dx)));
        for (const float dy : frame.dy)
            largest = std::max(largest, std::abs(static_cast<double>(dy)));
    }
    return largest > 0.0 ? largest / cellSize : 1.0;
}

quint16 raw16Value(double pixels) {
    const double value = Raw16Neutral + roundHalfEven(Raw16StepsPerPixel * pixels);
    return static_cast<quint16>(std::clamp(value, 0.0, static_cast<double>(Raw16Largest)));
}

} // namespace

MotionVectorSheet makeMotionVectorSheet(const std::vector<MotionVectorFrame>& frames,
                                        const SheetGrid& grid, MotionVectorPreset preset) {
    MotionVectorSheet sheet;
    const int frameCount = std::min(static_cast<int>(frames.size()), grid.frameCount());
    if (preset == MotionVectorPreset::Raw16) {
        sheet.image = QImage(grid.width(), grid.height(), QImage::Format_RGBX64);
        sheet.image.fill(QColor::fromRgba64(Raw16Neutral, Raw16Neutral, 0, Raw16Largest));
        for (int index = 0; index < frameCount; ++index) {
            const MotionVectorFrame& frame = frames[static_cast<std::size_t>(index)];
            const QRect target = grid.frameRect(index);
            for (int y = 0; y < frame.size; ++y) {
                auto* line =
                    reinterpret_cast<QRgba64*>(sheet.image.scanLine(target.y() + y)) + target.x();
                for (int x = 0; x < frame.size; ++x) {
                    const auto pixel = static_cast<std::size_t>(y * frame.size + x);
                    line[x] = qRgba64(raw16Value(frame.dx[pixel]), raw16Value(frame.dy[pixel]), 0,
                                      Raw16Largest);
                }
            }
        }
        return sheet;
    }
    const int cell = grid.cellSize();
    sheet.scale = unityScale(frames, cell);
    sheet.image = QImage(grid.width(), grid.height(), QImage::Format_ARGB32);
    sheet.image.fill(qRgba(UnityNeutral, UnityNeutral, 0, 255));
    for (int index = 0; index < frameCount; ++index) {
        const MotionVectorFrame& frame = frames[static_cast<std::size_t>(index)];
        const QRect target = grid.frameRect(index);
        for (int y = 0; y < frame.size; ++y) {
            auto* line = reinterpret_cast<QRgb*>(sheet.image.scanLine(target.y() + y)) + target.x();
            for (int x = 0; x < frame.size; ++x) {
                const auto pixel = static_cast<std::size_t>(y * frame.size + x);
                const int red =
                    UnityNeutral +
                    nearest(UnityReach * (frame.dx[pixel] / double(cell)) / sheet.scale);
                const int green =
                    UnityNeutral -
                    nearest(UnityReach * (frame.dy[pixel] / double(cell)) / sheet.scale);
                line[x] = qRgba(red, green, 0, 255);
            }
        }
    }
    return sheet;
}

} // namespace common
