#include "common/ImageFile.h"

#include "TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace common {
namespace {

QImage filledImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A picture whose every pixel differs from its neighbours.
QImage numberedFrames(int frameSize, int columns, int rows) {
    QImage image(frameSize * columns, frameSize * rows, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, x * 7 + y));
    return image;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ImageFile, FormatFollowsTheExtensionInAnyCase) {
    EXPECT_EQ(common::imageFormatFor(QStringLiteral("a/fire.bmp")), common::ImageFormat::Bmp);
    EXPECT_EQ(common::imageFormatFor(QStringLiteral("fire.BMP")), common::ImageFormat::Bmp);
    EXPECT_EQ(common::imageFormatFor(QStringLiteral("fire.png")), common::ImageFormat::Png);
    EXPECT_EQ(common::imageFormatFor(QStringLiteral("fire.Png")), common::ImageFormat::Png);
    EXPECT_EQ(common::imageFormatFor(QStringLiteral("fire")), std::nullopt);
    EXPECT_EQ(common::imageFormatFor(QStringLiteral("fire.bmp.txt")), std::nullopt);
}

TEST(ImageFile, BitmapsAreWrittenWith24BitsAndReadBackExactly) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage image = numberedFrames(7, 3, 2); // odd width: rows are padded
    for (const char* name : {"sheet.bmp", "sheet.png"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(common::writeImage(path, image).ok()) << name;
        QImage read;
        ASSERT_TRUE(common::readImage(path, read).ok()) << name;
        EXPECT_EQ(read.format(), QImage::Format_RGB32);
        EXPECT_EQ(read, image) << name;
    }
    const QByteArray bitmap = contentsOf(folder.filePath(QStringLiteral("sheet.bmp")));
    ASSERT_GE(bitmap.size(), 54);
    EXPECT_EQ(bitmap.left(2), QByteArray("BM"));
    const auto* header = reinterpret_cast<const uchar*>(bitmap.constData());
    EXPECT_EQ(qFromLittleEndian<quint16>(header + 28), 24);
    EXPECT_EQ(qFromLittleEndian<qint32>(header + 18), 21);
    EXPECT_EQ(qFromLittleEndian<qint32>(header + 22), 14);
}

TEST(ImageFile, BadImagesAreRefusedWithAMessageNamingTheFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString text = folder.filePath(QStringLiteral("text.bmp"));
    writeBytes(text, "no picture here");
    const QString truncated = folder.filePath(QStringLiteral("truncated.bmp"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(
        common::writeImage(buffer, numberedFrames(16, 2, 2), common::ImageFormat::Bmp).ok());
    writeBytes(truncated, buffer.data().left(40));
    const QString zeroSize = folder.filePath(QStringLiteral("zero.bmp"));
    writeBytes(zeroSize, test::bitmapHeader(0, 0));
    const QString empty = folder.filePath(QStringLiteral("empty.png"));
    writeBytes(empty, QByteArray());
    const QString missing = folder.filePath(QStringLiteral("missing.bmp"));

    for (const QString& path : {text, truncated, zeroSize, empty, missing}) {
        QImage image = filledImage(2, 2, qRgb(1, 2, 3));
        const common::Status status = common::readImage(path, image);
        EXPECT_FALSE(status.ok()) << path.toStdString();
        EXPECT_TRUE(status.message().startsWith(QStringLiteral("Cannot read the picture \"") +
                                                path + QStringLiteral("\": ")))
            << status.message().toStdString();
        EXPECT_EQ(image, filledImage(2, 2, qRgb(1, 2, 3))) << path.toStdString();
    }
}

TEST(ImageFile, ImagesWiderThan32767AreRefused) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ASSERT_TRUE(
        common::writeImage(buffer, filledImage(32768, 1, qRgb(1, 1, 1)), common::ImageFormat::Png)
            .ok());
    buffer.seek(0);
    QImage image;
    const common::Status status = common::readImage(buffer, image);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QStringLiteral("32767")))
        << status.message().toStdString();
    EXPECT_TRUE(image.isNull());
}

TEST(ImageFile, TheMemoryLimitHoldsTheLargestStripWithRoomToSpare) {
    const struct {
        int width, height;
        const char* refusal; // nullptr: allowed
    } cases[] = {
        {1536, 32256, nullptr}, // the designer's largest strip
        {8192, 8192, nullptr},
        {32767, 2048, nullptr},
        {8193, 8192,
         "the picture is 8193 x 8192 pixels, which needs 257 MB decoded; the limit "
         "is 256 MB"},
        {32768, 1, "the picture is 32768x1 pixels; at most 32767 pixels each way are supported"},
        {0, 5, "the picture is empty"},
    };
    for (const auto& c : cases) {
        const Status status = checkImageSize(QSize(c.width, c.height));
        EXPECT_EQ(status.ok(), c.refusal == nullptr) << c.width << " x " << c.height;
        if (c.refusal) {
            EXPECT_EQ(status.message().toStdString(), c.refusal);
        }
    }
}

TEST(ImageFile, OversizedPicturesAreRefusedByTheirHeaderBeforeDecoding) {
    // Qt gives no size for the first two and, past its own allocation limit,
    // would refuse the third while decoding with a text of its own.
    const struct {
        qint32 width, height;
        const char* message;
    } cases[] = {
        {30000, 30000,
         "the picture is 30000 x 30000 pixels, which needs 3434 MB decoded; the "
         "limit is 256 MB"},
        {30000, -30000, "the picture is 30000 x 30000 pixels, which needs 3434 MB decoded"},
        {16000, 16000, "the picture is 16000 x 16000 pixels, which needs 977 MB decoded"},
        {32768, 1, "the picture is 32768x1 pixels; at most 32767"},
    };
    for (const auto& c : cases) {
        QBuffer buffer;
        buffer.setData(test::bitmapHeader(c.width, c.height));
        buffer.open(QIODevice::ReadOnly);
        QImage image = filledImage(1, 1, qRgb(1, 2, 3));
        const Status status = readImage(buffer, image);
        EXPECT_TRUE(status.message().startsWith(QString::fromUtf8(c.message)))
            << status.message().toStdString();
        EXPECT_EQ(image, filledImage(1, 1, qRgb(1, 2, 3)));
    }
}

TEST(ImageFile, AFailedWriteLeavesNothingBehind) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString inMissingFolder = folder.filePath(QStringLiteral("no/such/folder/sheet.bmp"));
    const common::Status status =
        common::writeImage(inMissingFolder, filledImage(4, 4, qRgb(1, 1, 1)));
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(inMissingFolder));
    EXPECT_FALSE(QFile::exists(inMissingFolder));

    const QString unknown = folder.filePath(QStringLiteral("sheet.gif"));
    EXPECT_FALSE(common::writeImage(unknown, filledImage(4, 4, qRgb(1, 1, 1))).ok());
    EXPECT_FALSE(QFile::exists(unknown));
}

TEST(ImageFile, AnExistingFileIsReplacedWhole) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("sheet.bmp"));
    ASSERT_TRUE(common::writeImage(path, filledImage(64, 64, qRgb(1, 1, 1))).ok());
    ASSERT_TRUE(common::writeImage(path, filledImage(2, 2, qRgb(7, 8, 9))).ok());
    QImage read;
    ASSERT_TRUE(common::readImage(path, read).ok());
    EXPECT_EQ(read, filledImage(2, 2, qRgb(7, 8, 9)));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.bmp")});
}

} // namespace
} // namespace common
