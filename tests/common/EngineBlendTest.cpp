#include "common/sheets/EngineBlend.h"

#include <gtest/gtest.h>

namespace common {
namespace {

QImage onePixel(QRgb pixel, QImage::Format format) {
    QImage image(1, 1, format);
    image.setPixel(0, 0, pixel);
    return image;
}

TEST(EngineBlend, EachModeBlendsOnePixelAsAnEngineDoes) {
    const struct {
        AlphaMode mode;
        QRgb sheetPixel; // as the file holds it
        QRgb scene;
        QRgb shown;
    } cases[] = {
        // added and clamped at white
        {AlphaMode::Additive, qRgb(200, 100, 0), qRgb(100, 100, 100), qRgb(255, 200, 100)},
        {AlphaMode::Additive, qRgb(0, 0, 0), qRgb(10, 20, 30), qRgb(10, 20, 30)},
        // src * a + dst * (1 - a)
        {AlphaMode::Straight, qRgba(255, 0, 0, 255), qRgb(0, 0, 255), qRgb(255, 0, 0)},
        {AlphaMode::Straight, qRgba(255, 255, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 255)},
        {AlphaMode::Straight, qRgba(255, 0, 255, 51), qRgb(0, 255, 0), qRgb(51, 204, 51)},
        // src + dst * (1 - a)
        {AlphaMode::Premultiplied, qRgba(100, 50, 0, 100), qRgb(255, 255, 255),
         qRgb(255, 205, 155)},
        {AlphaMode::Premultiplied, qRgba(51, 0, 0, 51), qRgb(0, 255, 0), qRgb(51, 204, 0)},
        {AlphaMode::Premultiplied, qRgba(0, 0, 0, 0), qRgb(7, 8, 9), qRgb(7, 8, 9)},
    };
    for (const auto& test : cases) {
        const QImage shown = drawAsEngine(onePixel(test.sheetPixel, QImage::Format_ARGB32),
                                          test.mode, onePixel(test.scene, QImage::Format_RGB32));
        EXPECT_EQ(shown.pixel(0, 0), test.shown)
            << alphaModeName(test.mode).toStdString() << std::hex << " " << test.sheetPixel;
    }
}

TEST(EngineBlend, AdditiveOverBlackIsTheFrameItself) {
    QImage frame(3, 2, QImage::Format_RGB32);
    const QRgb pixels[] = {qRgb(0, 0, 0),     qRgb(255, 255, 255), qRgb(12, 200, 99),
                           qRgb(255, 0, 128), qRgb(1, 2, 3),       qRgb(40, 40, 0)};
    for (int index = 0; index < 6; ++index)
        frame.setPixel(index % 3, index / 3, pixels[index]);
    EXPECT_EQ(engineView(frame, AlphaMode::Additive, makeColour(0, 0, 0), SceneBackground{}),
              frame);
}

TEST(EngineBlend, APictureSceneIsCentredUnderTheFrameAtItsOwnScaleAndRepeated) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    SceneBackground scene{SceneKind::Picture, qRgb(0, 0, 0), picture};
    const QImage shown = scene.image(QSize(4, 1));
    // 2 x 1 picture under 4 x 1: its middle at the frame's middle, repeated.
    const QRgb red = qRgb(255, 0, 0);
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb expected[] = {blue, red, blue, red};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(shown.pixel(x, 0), expected[x]) << x;
    scene.kind = SceneKind::Checkerboard;
    const QImage checkers = scene.image(QSize(16, 16));
    EXPECT_NE(checkers.pixel(0, 0), checkers.pixel(8, 0));
    EXPECT_EQ(checkers.pixel(0, 0), checkers.pixel(8, 8));
}

} // namespace
} // namespace common
