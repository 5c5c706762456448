// The export window's animations and pixel art, over frames made here: what
// it writes as a GIF, what it shows of a palette file it cannot read, and
// which rows each format offers.
#include "common/palettes/PaletteMapping.h"
#include "common/windows/SheetExportDialog.h"

#include "FakeDialogs.h"
#include "common/palettes/BuiltInPalettes.h"
#include "common/palettes/PaletteFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace common {
namespace {

// Three frames of 8 pixels in 2 columns: a dot moving right over black.
SheetExportSource movingDot() {
    SheetExportSource source;
    source.frameSize = 8;
    source.columns = 2;
    source.frames.grid = FrameGrid(8, 2);
    source.frames.frameCount = 3;
    source.frames.image = QImage(16, 16, QImage::Format_RGB32);
    source.frames.image.fill(Qt::black);
    for (int frame = 0; frame < 3; ++frame)
        source.frames.image.setPixel(source.frames.grid.originOf(frame) + QPoint(2 + frame, 3),
                                     qRgb(250, 200, 40));
    source.lockToPalette = [](const SheetOptions& options, const Palette& palette,
                              SheetFrames& frames, Colour& background) {
        mapFramesToPalette(frames.image, frames.grid, frames.frameCount, palette, options.dither);
        background = palette.nearest(background);
        return Status::success();
    };
    return source;
}

TEST(SheetExportOutput, GifWritesTheFramesThatQtReadsBack) {
    QTemporaryDir folder;
    const SheetExportSource source = movingDot();
    test::FakeDialogs dialogs;
    SheetExportDialog dialog(source, dialogs);
    dialog.formatBox()->setCurrentIndex(1 + static_cast<int>(AnimationFormat::Gif));
    dialog.repeatForeverBox()->setChecked(false);
    dialog.repeatBox()->setValue(3);
    dialogs.saveAnswers.push_back(folder.filePath(QStringLiteral("dot")));
    dialog.writeButton()->click();

    ASSERT_TRUE(dialogs.warnings.empty()) << dialogs.warnings[0].line().toStdString();
    ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_EQ(dialogs.saveQuestions[0].filters.front().patterns,
              QStringList{QStringLiteral("*.gif")});
    const QString path = folder.filePath(QStringLiteral("dot.gif"));
    EXPECT_EQ(dialog.writtenFiles(), QStringList{path});
    QImageReader reader(path, "gif");
    EXPECT_EQ(reader.imageCount(), 3);
    EXPECT_EQ(reader.loopCount(), 2); // plays 3 times: the first and 2 loops
    for (int frame = 0; frame < 3; ++frame) {
        const QImage read = reader.read().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(read, source.frames.image.copy(source.frames.grid.cellRect(frame))) << frame;
    }
}

TEST(SheetExportOutput, APaletteFileThatCannotBeReadShowsItsMessageAndCannotBeWritten) {
    QTemporaryDir folder;
    const QString palette = folder.filePath(QStringLiteral("bad.hex"));
    QFile file(palette);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ff0000\nnot a colour\n");
    file.close();
    Palette unused;
    const QString message = loadPalette(palette, unused).message();
    ASSERT_FALSE(message.isEmpty());

    test::FakeDialogs dialogs;
    SheetExportDialog dialog(movingDot(), dialogs);
    dialogs.openAnswers.push_back(palette);
    dialog.paletteBox()->setCurrentIndex(dialog.paletteBox()->count() - 1);
    EXPECT_EQ(dialog.options().palette, palette);
    EXPECT_EQ(dialog.problemLabel()->text(), message);
    EXPECT_FALSE(dialog.writeButton()->isEnabled());
    EXPECT_TRUE(dialog.paletteBox()->currentText().contains(QStringLiteral("bad.hex")));

    // A built-in palette reads, and the window can write again.
    dialog.paletteBox()->setCurrentIndex(1);
    EXPECT_EQ(dialog.options().palette, builtInPaletteNames().front());
    EXPECT_TRUE(dialog.writeButton()->isEnabled());
}

TEST(SheetExportOutput, TheThumbnailIsTheFirstFrameAsWrittenOrAsTheProgramMakesIt) {
    test::FakeDialogs dialogs;
    SheetExportSource source = movingDot();
    {
        SheetExportDialog dialog(source, dialogs);
        dialog.scaleBox()->setValue(4);
        // 32 pixels shown 5 times larger, whole pixels of the frame enlarged 4 times.
        const QImage shown = dialog.thumbnailLabel()->pixmap().toImage();
        ASSERT_EQ(shown.size(), QSize(160, 160));
        EXPECT_EQ(shown.pixelColor(20 * (2 + 0) + 10, 20 * 3 + 10), QColor(250, 200, 40));
        EXPECT_EQ(shown.pixelColor(20 * 4 + 10, 20 * 3 + 10), QColor(Qt::black));
    }
    std::vector<SheetOptions> asked;
    source.lockToPalette = [&asked](const SheetOptions& options, const Palette&,
                                    SheetFrames& frames, Colour&) {
        asked.push_back(options);
        frames.image.fill(Qt::green);
        return Status::success();
    };
    SheetExportDialog dialog(source, dialogs);
    dialog.paletteBox()->setCurrentIndex(1);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().palette, builtInPaletteNames().front());
    EXPECT_EQ(dialog.thumbnailLabel()->pixmap().toImage().pixelColor(80, 80), QColor(Qt::green));
    EXPECT_EQ(dialog.sheet().pixelColor(0, 0), QColor(Qt::green)) << "the sheet takes them too";
}

TEST(SheetExportOutput, EachFormatOffersItsOwnRows) {
    test::FakeDialogs dialogs;
    SheetExportDialog dialog(movingDot(), dialogs);
    struct Case {
        int format;
        bool sheetRows, repeat, quality;
    };
    for (const Case& row : {Case{0, true, false, false}, Case{1, false, true, false},
                            Case{2, false, true, false}, Case{3, false, true, true}}) {
        dialog.formatBox()->setCurrentIndex(row.format);
        EXPECT_EQ(dialog.paddingBox()->isEnabled(), row.sheetRows) << row.format;
        EXPECT_EQ(dialog.metadataBox(MetadataFormat::Godot)->isEnabled(), row.sheetRows);
        EXPECT_EQ(dialog.automaticColumnsBox()->isEnabled(), row.sheetRows);
        EXPECT_EQ(dialog.repeatForeverBox()->isEnabled(), row.repeat) << row.format;
        EXPECT_EQ(dialog.losslessBox()->isEnabled(), row.quality) << row.format;
        EXPECT_TRUE(dialog.scaleBox()->isEnabled());
    }
}

} // namespace
} // namespace common
