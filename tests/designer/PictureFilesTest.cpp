#include "core/editing/PictureFiles.h"

#include "common/Colour.h"

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

QImage picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

TEST(PictureFiles, WhichPicturesAreRampsAndWhichAreSparks) {
    const struct {
        int width, height;
        bool ramp, spark;
    } cases[] = {
        {256, 1, true, false}, {257, 1, false, false}, {16, 2, false, false},  {1, 1, true, true},
        {32, 32, false, true}, {33, 33, false, false}, {31, 32, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isRampPicture(picture(c.width, c.height)), c.ramp) << c.width << "x" << c.height;
        EXPECT_EQ(isSparkPicture(picture(c.width, c.height)), c.spark)
            << c.width << "x" << c.height;
    }
}

TEST(PictureFiles, ARampPictureReplacesOnlyTheEntriesItHas) {
    DesignDocument document;
    document.ColorRamp.fill(common::makeColour(9, 9, 9));
    takeRampFromPicture(picture(3, 1), document);
    EXPECT_EQ(document.RampLength, 3);
    EXPECT_EQ(document.ColorRamp[2], common::makeColour(2, 0, 7));
    EXPECT_EQ(document.ColorRamp[3], common::makeColour(9, 9, 9));
}

TEST(PictureFiles, ASmallSparkFillsTheTopLeftCornerAndTheRestIsBlack) {
    SparkBitmap spark;
    spark.pixels.fill(common::makeColour(5, 5, 5));
    takeSparkFromPicture(picture(4, 4), spark);
    EXPECT_EQ(spark.at(3, 2), common::makeColour(3, 2, 7));
    EXPECT_EQ(spark.at(4, 0), 0u);
    EXPECT_EQ(spark.at(0, 31), 0u);
}

} // namespace
} // namespace kirabellum
