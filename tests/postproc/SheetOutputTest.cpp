#include "core/SheetOutput.h"
#include "common/ImageFile.h"
#include "core/SheetLayout.h"

#include "TestImages.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace koratune {
namespace {

const QRgb black = qRgb(0, 0, 0);

SharedSettings frameSettings(int frameSize, int frameCount, int startFrame, int skipStep) {
    SharedSettings settings;
    settings.FrameSize = frameSize;
    settings.FrameCount = frameCount;
    settings.StartFrame = startFrame;
    settings.SkipStep = skipStep;
    return settings;
}

// The cell `cell` of a sheet with `columns` columns, as an image.
QImage cellOf(const QImage& sheet, int frameSize, int columns, int cell) {
    return sheet.copy(frameSize * (cell % columns), frameSize * (cell / columns), frameSize,
                      frameSize);
}

// Checks that the sheet holds `frames` of numberedFrames() cell by cell, and black after them.
void expectSheetHolds(const QImage& sheet, const QImage& work, int frameSize, int columns,
                      const std::vector<int>& frames) {
    const int cells = (sheet.width() / frameSize) * (sheet.height() / frameSize);
    const int workColumns = work.width() / frameSize;
    for (int cell = 0; cell < cells; ++cell) {
        const QImage actual = cellOf(sheet, frameSize, columns, cell);
        if (cell < static_cast<int>(frames.size()))
            EXPECT_EQ(actual, cellOf(work, frameSize, workColumns, frames[cell]))
                << "cell " << cell;
        else
            EXPECT_TRUE(blockIs(actual, actual.rect(), black)) << "cell " << cell;
    }
}

TEST(SheetLayout, LaysOutTheUsedFrames) {
    const struct {
        int frameCount, startFrame, skipStep;
        int columns; // 0: the initial columns
        int used, expectedColumns, rows;
        const char* size;
    } cases[] = {
        {10, 0, 1, 0, 10, 4, 3, "640x480"},   {10, 0, 1, 10, 10, 10, 1, "1600x160"},
        {10, 0, 3, 0, 4, 2, 2, "320x320"},    {10, 0, 3, 3, 4, 3, 2, "480x320"},
        {10, 9, 1, 0, 1, 1, 1, "160x160"},    {256, 0, 1, 0, 256, 16, 16, "2560x2560"},
        {10, 0, 1, 1, 10, 1, 10, "160x1600"}, {17, 0, 1, 0, 17, 5, 4, "800x640"},
    };
    for (const auto& c : cases) {
        const SharedSettings settings = frameSettings(160, c.frameCount, c.startFrame, c.skipStep);
        const int used = SheetLayout(settings, 1).framesUsed();
        EXPECT_EQ(used, c.used);
        const int columns = c.columns > 0 ? c.columns : SheetLayout::initialColumns(used);
        const SheetLayout layout(settings, columns);
        EXPECT_EQ(layout.columns(), c.expectedColumns);
        EXPECT_EQ(layout.rows(), c.rows);
        EXPECT_EQ(layout.sizeText().toStdString(), c.size);
        EXPECT_TRUE(layout.check().ok());
    }
}

TEST(SheetLayout, RefusesImpossibleLayouts) {
    const struct {
        int frameSize, frameCount, columns;
        const char* messagePart;
    } cases[] = {
        {160, 10, 0, "1 to 10 columns"},
        {160, 10, 11, "1 to 10 columns"},
        {512, 256, 64, "32768x2048"},
        {512, 256, 1, "choose more columns"},
        {512, 100, 100, "choose fewer columns"},
    };
    for (const auto& c : cases) {
        const common::Status status =
            SheetLayout(frameSettings(c.frameSize, c.frameCount, 0, 1), c.columns).check();
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(status.message().contains(QString::fromLatin1(c.messagePart)))
            << status.message().toStdString();
    }
    EXPECT_TRUE(SheetLayout(frameSettings(512, 256, 0, 1), 63).check().ok());
    EXPECT_FALSE(SheetLayout(frameSettings(160, 5, 5, 1), 1).check().ok());
}

TEST(ComposeSheet, StartValuesFillTheSheetRowByRow) {
    const QImage work = numberedFrames(160, 4, 3);
    QImage sheet;
    int framesDone = 0;
    ASSERT_TRUE(
        ComposeSheet(work, frameSettings(160, 10, 0, 1), 4, sheet, [&] { ++framesDone; }).ok());
    ASSERT_EQ(sheet.size(), QSize(640, 480));
    expectSheetHolds(sheet, work, 160, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(framesDone, 10);
}

TEST(ComposeSheet, LaysOutTheSelectedFramesInTheChosenColumns) {
    const QImage work = numberedFrames(16, 4, 3);
    const struct {
        int frameCount, startFrame, skipStep, columns;
        QSize size;
        std::vector<int> frames;
    } cases[] = {
        {10, 0, 1, 10, {160, 16}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {10, 0, 3, 2, {32, 32}, {0, 3, 6, 9}},
        {10, 0, 3, 3, {48, 32}, {0, 3, 6, 9}},
        {10, 9, 1, 1, {16, 16}, {9}},
        {12, 1, 5, 3, {48, 16}, {1, 6, 11}},
    };
    for (const auto& c : cases) {
        QImage sheet;
        ASSERT_TRUE(ComposeSheet(work, frameSettings(16, c.frameCount, c.startFrame, c.skipStep),
                                 c.columns, sheet)
                        .ok());
        ASSERT_EQ(sheet.size(), c.size);
        expectSheetHolds(sheet, work, 16, c.columns, c.frames);
    }
}

TEST(ComposeSheet, MirrorsEachFrameInsideItsOwnCell) {
    const QImage work = numberedFrames(16, 4, 3);
    for (bool horizontal : {false, true}) {
        for (bool vertical : {false, true}) {
            SharedSettings settings = frameSettings(16, 10, 0, 3);
            settings.FlipHorizontal = horizontal;
            settings.FlipVertical = vertical;
            QImage sheet;
            ASSERT_TRUE(ComposeSheet(work, settings, 3, sheet).ok());
            const std::vector<int> frames = {0, 3, 6, 9};
            for (int cell = 0; cell < 4; ++cell) {
                const QImage actual = cellOf(sheet, 16, 3, cell);
                for (int y = 0; y < 16; ++y) {
                    for (int x = 0; x < 16; ++x) {
                        ASSERT_EQ(actual.pixel(x, y),
                                  numberedPixel(frames[cell], horizontal ? 15 - x : x,
                                                vertical ? 15 - y : y))
                            << "cell " << cell << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(ComposeSheet, FramesTheImageDoesNotHoldAreBlack) {
    // Eight frames in the image, ten asked for.
    const QImage work = numberedFrames(16, 4, 2);
    QImage sheet;
    ASSERT_TRUE(ComposeSheet(work, frameSettings(16, 10, 0, 1), 5, sheet).ok());
    expectSheetHolds(sheet, work, 16, 5, {0, 1, 2, 3, 4, 5, 6, 7});

    // Narrower than one frame: one frame per row, the missing part black.
    const QImage narrow = numberedFrames(16, 1, 3).copy(0, 0, 10, 48);
    ASSERT_TRUE(ComposeSheet(narrow, frameSettings(16, 3, 0, 1), 3, sheet).ok());
    for (int cell = 0; cell < 3; ++cell) {
        const QImage actual = cellOf(sheet, 16, 3, cell);
        EXPECT_EQ(actual.copy(0, 0, 10, 16), narrow.copy(0, 16 * cell, 10, 16));
        EXPECT_TRUE(blockIs(actual, QRect(10, 0, 6, 16), black));
    }
}

TEST(ComposeSheet, ARefusedLayoutLeavesTheSheetAlone) {
    const QImage work = numberedFrames(16, 2, 1);
    QImage sheet = filledImage(3, 3, qRgb(1, 2, 3));
    const common::Status status = ComposeSheet(work, frameSettings(512, 256, 0, 1), 64, sheet);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(sheet, filledImage(3, 3, qRgb(1, 2, 3)));
}

TEST(SequenceOutput, NamesFollowTheChosenName) {
    const struct {
        const char* chosen;
        int number;
        const char* expected;
    } cases[] = {
        {"out/fire.bmp", 0, "out/fire000.bmp"}, {"out/fire", 0, "out/fire000.bmp"},
        {"out/fire.BMP", 9, "out/fire009.bmp"}, {"fire.Bmp", 10, "fire010.bmp"},
        {"fire", 255, "fire255.bmp"},           {"fire.png", 1, "fire.png001.bmp"},
        {"a.bmp/fire", 2, "a.bmp/fire002.bmp"}, {"fire.bmp2", 3, "fire.bmp2003.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SequenceFileName(QString::fromLatin1(c.chosen), c.number).toStdString(),
                  c.expected);
}

TEST(SequenceOutput, WritesOneFilePerFrameCutFromTheSheet) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage work = numberedFrames(16, 4, 3);
    const SharedSettings settings = frameSettings(16, 10, 0, 3);
    QImage sheet;
    ASSERT_TRUE(ComposeSheet(work, settings, 3, sheet).ok());
    ASSERT_TRUE(writeSequence(folder.filePath(QStringLiteral("fire.BMP")), sheet, settings).ok());

    QStringList expectedNames;
    for (int number = 0; number < 10; ++number)
        expectedNames << QStringLiteral("fire%1.bmp").arg(number, 3, 10, QLatin1Char('0'));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expectedNames);

    const std::vector<int> frames = {0, 3, 6, 9};
    for (int number = 0; number < 10; ++number) {
        QImage frame;
        ASSERT_TRUE(common::readImage(folder.filePath(expectedNames[number]), frame).ok());
        ASSERT_EQ(frame.size(), QSize(16, 16));
        if (number < 4)
            EXPECT_EQ(frame, cellOf(work, 16, 4, frames[number])) << number;
        else // cells 4 and 5 of the sheet are empty, 6 to 9 lie beyond it
            EXPECT_TRUE(blockIs(frame, frame.rect(), black)) << number;
    }
}

TEST(SequenceOutput, AMissingFolderWritesNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage sheet = numberedFrames(16, 2, 1);
    const QString chosen = folder.filePath(QStringLiteral("missing/fire.bmp"));
    const common::Status status = writeSequence(chosen, sheet, frameSettings(16, 2, 0, 1));
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QStringLiteral("fire000.bmp")));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

} // namespace
} // namespace koratune
