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

// Every kept frame with its motion and the part of that motion it keeps.
struct PlacedMotion {
    const MotionVectorFrame* motion;
    const AtlasFrame* frame;
};

std::vector<PlacedMotion> placedMotion(const std::vector<std::vector<MotionVectorFrame>>& motion,
                                       const SheetAtlas& atlas) {
    std::vector<PlacedMotion> placed;
    for (std::size_t index = 0; index < atlas.animations.size() && index < motion.size(); ++index) {
        const std::vector<AtlasFrame>& frames = atlas.animations[index].frames;
        for (std::size_t kept = 0; kept < frames.size() && kept < motion[index].size(); ++kept)
            placed.push_back({&motion[index][kept], &frames[kept]});
    }
    return placed;
}

// Calls `visit(x, y, pixel)` for each pixel of the frame's kept part: its
// place in the sheet and its index in the motion.
template <typename Visit> void forEachPixel(const PlacedMotion& placed, Visit visit) {
    const QRect& rect = placed.frame->rect;
    const QPoint& offset = placed.frame->offset;
    const int size = placed.motion->size;
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            visit(rect.x() + x, rect.y() + y,
                  static_cast<std::size_t>((offset.y() + y) * size + offset.x() + x));
}

// The largest vector as a fraction of its cell: the unity preset's scale.
double unityScale(const std::vector<PlacedMotion>& placed, int padding) {
    double largest = 0.0;
    for (const PlacedMotion& each : placed) {
        const double width = each.frame->rect.width() + 2 * padding;
        const double height = each.frame->rect.height() + 2 * padding;
        forEachPixel(each, [&](int, int, std::size_t pixel) {
            largest =
                std::max({largest, std::abs(static_cast<double>(each.motion->dx[pixel])) / width,
                          std::abs(static_cast<double>(each.motion->dy[pixel])) / height});
        });
    }
    return largest > 0.0 ? largest : 1.0;
}

quint16 raw16Value(double pixels) {
    const double value = Raw16Neutral + roundHalfEven(Raw16StepsPerPixel * pixels);
    return static_cast<quint16>(std::clamp(value, 0.0, static_cast<double>(Raw16Largest)));
}

} // namespace

MotionVectorSheet makeMotionVectorSheet(const std::vector<std::vector<MotionVectorFrame>>& motion,
                                        const SheetAtlas& atlas, MotionVectorPreset preset) {
    MotionVectorSheet sheet;
    const std::vector<PlacedMotion> placed = placedMotion(motion, atlas);
    if (preset == MotionVectorPreset::Raw16) {
        sheet.image = QImage(atlas.size, QImage::Format_RGBX64);
        sheet.image.fill(QColor::fromRgba64(Raw16Neutral, Raw16Neutral, 0, Raw16Largest));
        for (const PlacedMotion& each : placed)
            forEachPixel(each, [&](int x, int y, std::size_t pixel) {
                reinterpret_cast<QRgba64*>(sheet.image.scanLine(y))[x] =
                    qRgba64(raw16Value(each.motion->dx[pixel]), raw16Value(each.motion->dy[pixel]),
                            0, Raw16Largest);
            });
        return sheet;
    }
    sheet.scale = unityScale(placed, atlas.padding);
    sheet.image = QImage(atlas.size, QImage::Format_ARGB32);
    sheet.image.fill(qRgba(UnityNeutral, UnityNeutral, 0, 255));
    for (const PlacedMotion& each : placed) {
        const double width = each.frame->rect.width() + 2 * atlas.padding;
        const double height = each.frame->rect.height() + 2 * atlas.padding;
        forEachPixel(each, [&](int x, int y, std::size_t pixel) {
            const int red =
                UnityNeutral + nearest(UnityReach * (each.motion->dx[pixel] / width) / sheet.scale);
            const int green = UnityNeutral -
                              nearest(UnityReach * (each.motion->dy[pixel] / height) / sheet.scale);
            reinterpret_cast<QRgb*>(sheet.image.scanLine(y))[x] = qRgba(red, green, 0, 255);
        });
    }
    return sheet;
}

} // namespace common
