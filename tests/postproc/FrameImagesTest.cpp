#include "core/FrameImages.h"
#include "common/ImageFile.h"

#include "PictureVariants.h"
#include "TestImages.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace koratune {
namespace {

const QRgb key = qRgb(0, 0, 0);
const QRgb paint = qRgb(10, 200, 30);

TEST(FrameImages, OpenPicMakesWorkAndBaseEqual) {
    FrameImages images;
    EXPECT_TRUE(images.isEmpty());
    const QImage strip = numberedFrames(160, 4, 3);
    images.OpenPic(strip);
    EXPECT_FALSE(images.isEmpty());
    EXPECT_EQ(images.work().size(), QSize(640, 480));
    EXPECT_EQ(images.work(), strip);
    EXPECT_EQ(images.base(), strip);
    EXPECT_EQ(images.work().format(), QImage::Format_RGB32);
}

TEST(FrameImages, OpeningPreviewShowsTheTopLeftOnTheBackgroundColour) {
    FrameImages images;
    images.OpenPic(numberedFrames(200, 2, 1));
    const QImage preview = images.openingPreview();
    ASSERT_EQ(preview.size(), QSize(160, 160));
    EXPECT_EQ(preview, images.work().copy(0, 0, 160, 160));

    QImage small = filledImage(100, 50, qRgb(1, 2, 3));
    small.setPixel(99, 49, paint);
    images.OpenPic(small);
    const QImage smallPreview = images.openingPreview();
    EXPECT_EQ(images.backgroundColour(), qRgb(1, 2, 3));
    EXPECT_EQ(smallPreview.pixel(99, 49), paint);
    EXPECT_TRUE(blockIs(smallPreview, QRect(100, 0, 60, 160), qRgb(1, 2, 3)));
    EXPECT_TRUE(blockIs(smallPreview, QRect(0, 50, 160, 110), qRgb(1, 2, 3)));
}

TEST(FrameImages, UnionPicWithAnAllKeyOverlayKeepsTheWorkAndMakesItTheBase) {
    FrameImages images;
    images.OpenPic(numberedFrames(32, 3, 2));
    images.work().setPixel(5, 5, paint); // as a recolouring would
    const QImage recoloured = images.work().copy();
    ASSERT_NE(images.base(), recoloured);

    images.UnionPic(filledImage(96, 64, key));
    EXPECT_EQ(images.work(), recoloured);
    EXPECT_EQ(images.base(), recoloured);
    EXPECT_EQ(images.overlay(), filledImage(96, 64, key));
}

TEST(FrameImages, UnionPicCopiesEveryOverlayPixelButTheKey) {
    FrameImages images;
    images.OpenPic(numberedFrames(32, 2, 1));
    const QImage original = images.work().copy();
    QImage overlay = filledImage(64, 32, qRgb(255, 0, 255));
    overlay.setPixel(10, 3, paint);
    overlay.setPixel(40, 31, qRgb(0, 0, 0));
    overlay.setPixel(63, 0, qRgb(255, 0, 254)); // differs from the key in one level

    images.UnionPic(overlay);
    QImage expected = original;
    expected.setPixel(10, 3, paint);
    expected.setPixel(40, 31, qRgb(0, 0, 0));
    expected.setPixel(63, 0, qRgb(255, 0, 254));
    EXPECT_EQ(images.work(), expected);
    EXPECT_EQ(images.base(), expected);
}

TEST(FrameImages, UnionPicUsesOnlyThePartOfALargerOverlayOverTheWork) {
    FrameImages images;
    images.OpenPic(filledImage(40, 30, qRgb(9, 9, 9)));
    QImage overlay = filledImage(100, 100, key);
    overlay.fill(paint);
    overlay.setPixel(0, 0, key);

    images.UnionPic(overlay);
    EXPECT_EQ(images.work().size(), QSize(40, 30));
    EXPECT_EQ(images.work().pixel(0, 0), qRgb(9, 9, 9));
    EXPECT_TRUE(blockIs(images.work(), QRect(1, 0, 39, 1), paint));
    EXPECT_TRUE(blockIs(images.work(), QRect(0, 1, 40, 29), paint));
    EXPECT_EQ(images.base(), images.work());
}

TEST(FrameImages, UnionPicLeavesTheWorkOutsideASmallerOverlay) {
    FrameImages images;
    const QImage strip = numberedFrames(20, 3, 2);
    images.OpenPic(strip);
    QImage overlay = filledImage(25, 15, paint);
    overlay.setPixel(0, 0, key);

    images.UnionPic(overlay);
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const bool covered = x < 25 && y < 15 && !(x == 0 && y == 0);
            ASSERT_EQ(images.work().pixel(x, y), covered ? paint : strip.pixel(x, y))
                << x << "," << y;
        }
    }
    EXPECT_EQ(images.base(), images.work());
}

TEST(FrameImages, AFailedOpenOrCompositeChangesNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notAnImage = folder.filePath(QStringLiteral("notes.bmp"));
    QFile file(notAnImage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are not pixels");
    file.close();

    FrameImages images;
    const QImage strip = numberedFrames(16, 2, 2);
    images.OpenPic(strip);
    images.UnionPic(filledImage(8, 8, key));
    images.work().setPixel(1, 1, paint);
    const QImage work = images.work().copy();

    for (const QString& path : {notAnImage, folder.filePath(QStringLiteral("missing.bmp"))}) {
        const common::Status opened = images.OpenPic(path);
        EXPECT_FALSE(opened.ok());
        EXPECT_TRUE(opened.message().contains(path)) << opened.message().toStdString();
        const common::Status composited = images.UnionPic(path);
        EXPECT_FALSE(composited.ok());
        EXPECT_EQ(images.work(), work);
        EXPECT_EQ(images.base(), strip);
        EXPECT_EQ(images.overlay(), filledImage(8, 8, key));
    }
}

TEST(FrameImages, OpenPicAndUnionPicReadFiles) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString stripPath = folder.filePath(QStringLiteral("strip.bmp"));
    const QString overlayPath = folder.filePath(QStringLiteral("overlay.png"));
    const QImage strip = numberedFrames(16, 3, 1);
    QImage overlay = filledImage(48, 16, key);
    overlay.setPixel(20, 7, paint);
    ASSERT_TRUE(common::writeImage(stripPath, strip).ok());
    ASSERT_TRUE(common::writeImage(overlayPath, overlay).ok());

    FrameImages images;
    ASSERT_TRUE(images.OpenPic(stripPath).ok());
    EXPECT_EQ(images.work(), strip);
    ASSERT_TRUE(images.UnionPic(overlayPath).ok());
    QImage expected = strip;
    expected.setPixel(20, 7, paint);
    EXPECT_EQ(images.work(), expected);
    EXPECT_EQ(images.base(), expected);
}

// Every kind of picture a painting program writes opens as its pixels; a
// damaged one is refused with a message that names the file, and the images
// stay as they were.
TEST(FrameImages, OpensPicturesOfEveryKindAndRefusesDamagedOnes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage before = numberedFrames(24, 2, 1);
    int number = 0;
    for (const common::test::PictureVariant& variant : common::test::pictureVariants(40, 24)) {
        SCOPED_TRACE(variant.name.toStdString());
        const QString path =
            folder.filePath(QStringLiteral("picture%1.%2").arg(++number).arg(variant.extension));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(variant.bytes);
        file.close();
        FrameImages images;
        images.OpenPic(before);
        const common::Status status = images.OpenPic(path);
        if (variant.damaged()) {
            EXPECT_FALSE(status.ok());
            EXPECT_TRUE(status.message().contains(path)) << status.message().toStdString();
            EXPECT_EQ(images.work(), before);
            EXPECT_EQ(images.base(), before);
        } else {
            ASSERT_TRUE(status.ok()) << status.message().toStdString();
            EXPECT_EQ(images.work(), variant.expected);
        }
    }
}

} // namespace
} // namespace koratune
