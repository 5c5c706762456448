#include "PictureVariants.h"

#include "common/ImageFile.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace common::test {
namespace {

// Every kind of picture a painting program writes reads as its pixels, and
// every damaged one is refused with a message of its own, never the toolkit's
// "Unknown error" and never a picture of garbage.
TEST(PictureVarietyTest, EveryVariantReadsAsItsPixelsOrIsRefusedWithAMessage) {
    for (const QSize size : {QSize(5, 3), QSize(32, 32), QSize(16, 1)}) {
        for (const PictureVariant& variant : pictureVariants(size.width(), size.height())) {
            SCOPED_TRACE(variant.name.toStdString() + " " + std::to_string(size.width()) + "x" +
                         std::to_string(size.height()));
            QByteArray bytes = variant.bytes;
            QBuffer buffer(&bytes);
            ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
            QImage image;
            const Status status = readImage(buffer, image);
            if (variant.damaged()) {
                EXPECT_FALSE(status.ok()) << image.width() << "x" << image.height();
                EXPECT_FALSE(status.message().isEmpty());
                EXPECT_FALSE(status.message().contains(QStringLiteral("Unknown error")))
                    << status.message().toStdString();
                continue;
            }
            ASSERT_TRUE(status.ok()) << status.message().toStdString();
            ASSERT_EQ(image.size(), variant.expected.size());
            int wrong = 0;
            QRgb firstWrong = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != variant.expected.pixel(x, y) && wrong++ == 0)
                        firstWrong = image.pixel(x, y);
            EXPECT_EQ(wrong, 0) << "first wrong colour " << std::hex << firstWrong;
        }
    }
}

} // namespace
} // namespace common::test
