// The motion-vector image on a sheet's grid: each preset's values and the
// neutral pixels around the frames.
#include "common/sheets/MotionVectorSheet.h"

#include <QColor>

#include <gtest/gtest.h>

namespace common {
namespace {

// Two frames of 2 x 2 pixels, one pixel each moving, on a grid of three cells of
// 4 pixels (padding 1): the third cell has no frame.
std::vector<MotionVectorFrame> twoFrames() {
    MotionVectorFrame first{2, {2.0f, 0.0f, 0.0f, 0.0f}, {-1.0f, 0.0f, 0.0f, 0.0f}};
    MotionVectorFrame second{2, {0.0f, 0.0f, 0.0f, 1.5f}, {0.0f, 0.0f, 0.0f, -200.0f}};
    return {first, second};
}

struct PixelCase {
    const char* what;
    QPoint at;
    QRgba64 expected;
};

TEST(MotionVectorSheet, EachPresetWritesItsValuesAndLeavesTheRestNeutral) {
    const SheetGrid grid(2, 2, 3, 1, false);
    const QRgba64 unityNeutral = qRgba64(128 * 257, 128 * 257, 0, 65535);
    const QRgba64 rawNeutral = qRgba64(32768, 32768, 0, 65535);
    struct PresetCase {
        MotionVectorPreset preset;
        double scale;
        QImage::Format format;
        std::vector<PixelCase> pixels;
    };
    const std::vector<PresetCase> cases = {
        // The largest component, 200 pixels up, is 50 cells: S = 50, and it
        // reaches the top of G (V counts up); 2 pixels right give 127 × 0.5 / 50.
        {MotionVectorPreset::Unity,
         50.0,
         QImage::Format_ARGB32,
         {{"the largest vector", {6, 2}, qRgba64(129 * 257, 255 * 257, 0, 65535)},
          {"a small one", {1, 1}, qRgba64(129 * 257, 129 * 257, 0, 65535)},
          {"still pixel of a frame", {2, 1}, unityNeutral},
          {"padding", {0, 0}, unityNeutral},
          {"cell without a frame", {9, 1}, unityNeutral}}},
        {MotionVectorPreset::Raw16,
         1.0,
         QImage::Format_RGBX64,
         {{"1.5 pixels right, far beyond the range up", {6, 2}, qRgba64(33152, 0, 0, 65535)},
          {"padding", {4, 0}, rawNeutral},
          {"cell without a frame", {10, 2}, rawNeutral}}},
    };
    for (const PresetCase& c : cases) {
        const MotionVectorSheet sheet =
            makeMotionVectorSheet({twoFrames()}, SheetAtlas::onGrid(grid), c.preset);
        EXPECT_EQ(sheet.scale, c.scale);
        EXPECT_EQ(sheet.image.format(), c.format);
        EXPECT_EQ(sheet.image.size(), QSize(12, 4));
        for (const PixelCase& pixel : c.pixels)
            EXPECT_EQ(sheet.image.pixelColor(pixel.at).rgba64(), pixel.expected) << pixel.what;
    }
}

} // namespace
} // namespace common
