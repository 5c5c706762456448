#include "common/PngFile.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

namespace common {
namespace {

// A picture whose pixels run through every value of each channel, alpha too
// unless the format is opaque.
QImage everyValue(QImage::Format format) {
    QImage image(256, 3, format);
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 3; ++y)
            image.setPixel(x, y, qRgba(x, 255 - x, (x * 7 + y) % 256, (x + 85 * y) % 256));
    return image;
}

QImage writtenAndRead(const QImage& image, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writePng(buffer, image).ok());
    return QImage::fromData(bytes, "png");
}

TEST(PngFile, OpaqueAndStraightAlphaPixelsAreReadBackExactly) {
    // Byte 25 of a PNG is its colour type: 2 is RGB, 6 RGBA.
    const struct {
        QImage::Format format;
        char colourType;
    } cases[] = {{QImage::Format_RGB32, 2}, {QImage::Format_ARGB32, 6}};
    for (const auto& test : cases) {
        const QImage image = everyValue(test.format);
        QByteArray bytes;
        const QImage read = writtenAndRead(image, bytes);
        EXPECT_EQ(bytes.at(25), test.colourType) << test.format;
        EXPECT_EQ(read.convertToFormat(test.format), image) << test.format;
    }
}

TEST(PngFile, TheImagesTextsAreWrittenAsTextChunks) {
    QImage image = everyValue(QImage::Format_RGB32);
    image.setText(QStringLiteral("FrameSize"), QStringLiteral("256"));
    image.setText(QStringLiteral("Title"), QStringLiteral("花火 – Glühen"));
    QByteArray bytes;
    const QImage read = writtenAndRead(image, bytes);
    EXPECT_EQ(read.text(QStringLiteral("FrameSize")), QStringLiteral("256"));
    EXPECT_EQ(read.text(QStringLiteral("Title")), QStringLiteral("花火 – Glühen"));
}

TEST(PngFile, AFailingDeviceFailsTheWrite) {
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(writePng(readOnly, everyValue(QImage::Format_RGB32)).ok());
}

} // namespace
} // namespace common
