#include "core/Recolouring.h"

#include "TestImages.h"

#include <gtest/gtest.h>

#include <vector>

namespace koratune {
namespace {

common::Colour colour(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

SharedSettings shifts(int hue, int saturation) {
    SharedSettings settings;
    settings.HueShift = hue;
    settings.SaturationShift = saturation;
    return settings;
}

// An image of many colours, with black and white among them.
QImage colourfulImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) % 256, (y * 11) % 256, (x * y) % 256));
    }
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(1, 0, qRgb(255, 255, 255));
    return image;
}

TEST(Recolouring, ShiftsThePixelsOfTheExamples) {
    const struct {
        common::Colour input;
        int hueShift, saturationShift;
        common::Colour expected;
    } cases[] = {
        {colour(200, 100, 50), 510, 0, colour(50, 200, 100)},
        {colour(200, 100, 50), 0, -255, colour(125, 125, 125)},
        {colour(200, 100, 50), 0, 255, colour(250, 83, 0)},
        {colour(200, 100, 50), 0, -128, colour(162, 112, 88)},
        {colour(200, 100, 50), 0, 128, colour(225, 91, 25)},
        {colour(255, 0, 0), 765, 0, colour(0, 255, 255)},
        {colour(0, 0, 0), 765, 100, colour(0, 0, 0)},
        {colour(255, 255, 255), 765, -100, colour(255, 255, 255)},
        // The hue wraps past 1529: 1275 + 510 - 1530 = 255, yellow.
        {colour(255, 0, 255), 510, 0, colour(255, 255, 0)},
        {colour(0, 0, 1), 0, 1, colour(0, 0, 2)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecolourColour(c.input, c.hueShift, c.saturationShift), c.expected)
            << c.input << " shifted by " << c.hueShift << ", " << c.saturationShift;
}

TEST(Recolouring, RecoloursEveryPixelFromTheBaseOnAnyNumberOfThreads) {
    // Sizes of one block and of several, rows shared unevenly between threads.
    const struct {
        int width, height, threads;
    } cases[] = {{40, 30, 1}, {40, 30, 2}, {3, 7, 3}, {2000, 101, 2}, {2, 5, 4}};
    for (const auto& c : cases) {
        const QImage base = colourfulImage(c.width, c.height);
        QImage work = filledImage(c.width, c.height, qRgb(1, 2, 3));
        Recolouring run(c.threads);
        EXPECT_EQ(run.RecolourImage(base, work, shifts(300, -40)), c.height);
        ASSERT_EQ(work.size(), base.size());
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const QRgb original = base.pixel(x, y);
                const common::Colour shifted = RecolourColour(
                    colour(qRed(original), qGreen(original), qBlue(original)), 300, -40);
                ASSERT_EQ(work.pixel(x, y),
                          qRgb(shifted & 255, (shifted >> 8) & 255, shifted >> 16))
                    << x << "," << y << " of " << c.width << " x " << c.height << " on "
                    << c.threads << " threads";
            }
        }
        EXPECT_TRUE(run.isRunning());
    }
}

TEST(Recolouring, ZeroSettingsRestoreTheBaseWithoutConvertingAPixel) {
    const QImage base = colourfulImage(64, 48);
    QImage work = base;
    Recolouring run;
    run.RecolourImage(base, work, shifts(700, 90));
    ASSERT_NE(work, base);

    int progressCalls = 0;
    run.setProgressHook([&](int, int) { ++progressCalls; });
    EXPECT_EQ(run.RecolourImage(base, work, shifts(0, 0)), 0);
    EXPECT_EQ(work, base);
    EXPECT_EQ(progressCalls, 0);
}

TEST(Recolouring, ApplyingTwiceEqualsApplyingOnce) {
    const QImage base = colourfulImage(50, 20);
    for (const SharedSettings& settings : {shifts(1, 0), shifts(765, 255), shifts(1529, -128)}) {
        QImage once;
        QImage twice;
        Recolouring run;
        run.RecolourImage(base, once, settings);
        run.RecolourImage(base, twice, settings);
        run.RecolourImage(base, twice, settings);
        EXPECT_EQ(twice, once);
    }
}

TEST(Recolouring, ReportsEveryRowBeforeWorkingOnIt) {
    const QImage base = colourfulImage(8, 6);
    QImage work;
    std::vector<int> rows;
    int rowsDone = 0;
    Recolouring run;
    run.setProgressHook([&](int row, int rowCount) {
        EXPECT_EQ(rowCount, 6);
        rows.push_back(row);
    });
    run.setRowDoneHook([&] { ++rowsDone; });
    EXPECT_EQ(run.RecolourImage(base, work, shifts(10, 0)), 6);
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3, 4, 5})); // ends at H - 1
    EXPECT_EQ(rowsDone, 6);
}

TEST(Recolouring, ACancelEndsTheRunAfterTheRowItArrivedIn) {
    const QImage base = colourfulImage(64, 480);
    QImage complete;
    Recolouring().RecolourImage(base, complete, shifts(400, 60));

    // A cancel arrives while the events after row 9 are processed, or while
    // row 10 is reported: either way rows 0 to 10 are recoloured.
    for (bool cancelInProgress : {false, true}) {
        Recolouring run;
        if (cancelInProgress)
            run.setProgressHook([&](int row, int) {
                if (row == 10)
                    run.cancel();
            });
        else
            run.setRowDoneHook([&, row = 0]() mutable {
                if (row++ == 9)
                    run.cancel();
            });
        QImage work;
        EXPECT_EQ(run.RecolourImage(base, work, shifts(400, 60)), 11);
        EXPECT_FALSE(run.isRunning());
        EXPECT_EQ(work.copy(0, 0, 64, 11), complete.copy(0, 0, 64, 11));
        EXPECT_EQ(work.copy(0, 11, 64, 469), base.copy(0, 11, 64, 469));
    }
}

TEST(Recolouring, ANewRunStartsWithTheRunFlagSet) {
    const QImage base = colourfulImage(4, 4);
    QImage work;
    Recolouring run;
    run.cancel();
    EXPECT_EQ(run.RecolourImage(base, work, shifts(5, 5)), 4);
    EXPECT_TRUE(run.isRunning());
}

} // namespace
} // namespace koratune
