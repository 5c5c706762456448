#include "DesignerFixture.h"
#include "PictureVariants.h"
#include "TestFiles.h"

#include "common/palettes/BuiltInPalettes.h"
#include "common/windows/PictureBox.h"
#include "core/document/DesignFile.h"
#include "core/editing/LayerRamps.h"
#include "core/editing/PictureFiles.h"
#include "core/editing/RampLibrary.h"
#include "windows/editors/F_Color.h"
#include "windows/editors/F_Editer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace kirabellum::test {
namespace {

QImage ramp(int width, int height = 1) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int level = width > 1 ? x * 255 / (width - 1) : 255;
            image.setPixel(x, y, qRgb(level, (level * 3 + y) & 0xFF, 255 - level));
        }
    return image;
}

class ColorEditorTest : public DesignerFixture {
protected:
    ColorEditorTest() {
        mainWindow->NEW_Click();
        colours = open<F_Color>(ToolKind::Color);
    }
    void load(const QString& file) {
        dialogs.openAnswers.push_back(file);
        QTest::mouseClick(colours->Command1, Qt::LeftButton);
    }
    void expectRampEquals(const QImage& picture) {
        ASSERT_EQ(session->document.RampLength, picture.width());
        ASSERT_EQ(colours->Picture1.size(), QSize(picture.width(), 1));
        for (int x = 0; x < picture.width(); ++x) {
            EXPECT_EQ(session->document.ColorRamp[static_cast<std::size_t>(x)],
                      common::colourFromRgb(picture.pixel(x, 0)));
            EXPECT_EQ(colours->Picture1.pixel(x, 0), picture.pixel(x, 0));
        }
    }

    F_Color* colours = nullptr;
};

TEST_F(ColorEditorTest, ASixteenEntryGradientFillsTheStripInBandsOfSixteen) {
    const QImage picture = ramp(16);
    load(writePicture(QStringLiteral("ramp.bmp"), picture));
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(common::WidgetDialogs::qtFilters(dialogs.openQuestions.back().filters),
              QStringList{QStringLiteral("*.bmp")});
    expectRampEquals(picture);
    const QImage& strip = colours->Picture2->image();
    ASSERT_EQ(strip.size(), QSize(F_Color::StripWidth, F_Color::StripHeight));
    for (int y = 0; y < F_Color::StripHeight; ++y)
        for (int x = 0; x < F_Color::StripWidth; ++x)
            ASSERT_EQ(strip.pixel(x, y), picture.pixel(x / 16, 0)) << x << ", " << y;
}

TEST_F(ColorEditorTest, WidthsUpToTwoHundredFiftySixAreAccepted) {
    for (int width : {256, 8, 1, 200}) {
        const QImage picture = ramp(width);
        load(writePicture(QStringLiteral("ramp%1.bmp").arg(width), picture));
        EXPECT_TRUE(dialogs.warnings.empty()) << width;
        expectRampEquals(picture);
        // Every strip column shows one entry, in order.
        const QImage& strip = colours->Picture2->image();
        for (int x = 0; x < F_Color::StripWidth; ++x)
            ASSERT_EQ(strip.pixel(x, 11), picture.pixel(x * width / F_Color::StripWidth, 0));
    }
}

TEST_F(ColorEditorTest, WrongSizesAreRefusedAndChangeNothing) {
    const QImage kept = ramp(24);
    load(writePicture(QStringLiteral("kept.png"), kept));
    session->document.ColorRamp[100] = common::makeColour(9, 9, 9); // beyond the ramp, kept too
    const DesignDocument before = session->document;
    const QImage strip = colours->Picture2->image();
    for (QSize size : {QSize(257, 1), QSize(16, 2), QSize(8, 8)}) {
        dialogs.warnings.clear();
        load(writePicture(QStringLiteral("wrong.bmp"), ramp(size.width(), size.height())));
        ASSERT_EQ(dialogs.warnings.size(), 1u);
        EXPECT_EQ(dialogs.warnings[0].line(),
                  QStringLiteral(
                      "エラー: サイズが正しくありません\r\n16(～256)x1の画像を指定してください"));
        EXPECT_TRUE(session->document.sameDesignAs(before));
        expectRampEquals(kept);
        EXPECT_EQ(colours->Picture2->image(), strip);
    }
}

TEST_F(ColorEditorTest, ExportWritesTheRampAndLoadsBackUnchanged) {
    const QImage picture = ramp(40);
    load(writePicture(QStringLiteral("ramp.bmp"), picture));
    const QString file = path(QStringLiteral("exported.bmp"));
    dialogs.saveAnswers.push_back(file);
    QTest::mouseClick(colours->Command2, Qt::LeftButton);
    EXPECT_TRUE(dialogs.warnings.empty());
    QImageReader reader(file);
    EXPECT_EQ(reader.format(), "bmp");
    EXPECT_EQ(reader.read().convertToFormat(QImage::Format_RGB32), picture);
    // 24 bits: 54 bytes of headers and one row of 120 bytes.
    EXPECT_EQ(QFile(file).size(), 54 + 120);

    const DesignDocument before = session->document;
    load(file);
    EXPECT_TRUE(session->document.sameDesignAs(before));
}

TEST_F(ColorEditorTest, ANewDesignShowsABlackStripAndExportsSixteenBlackPixels) {
    for (int x = 0; x < F_Color::StripWidth; x += 5)
        EXPECT_EQ(colours->Picture2->image().pixel(x, 6) & 0xFFFFFF, 0u);
    const QString file = path(QStringLiteral("new.bmp"));
    dialogs.saveAnswers.push_back(file);
    QTest::mouseClick(colours->Command2, Qt::LeftButton);
    const QImage written = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(written.size(), QSize(16, 1));
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(written.pixel(x, 0) & 0xFFFFFF, 0u);
}

TEST_F(ColorEditorTest, AClickOnTheStripLoads) {
    const QImage picture = ramp(32);
    dialogs.openAnswers.push_back(writePicture(QStringLiteral("ramp.bmp"), picture));
    QTest::mouseClick(colours->Picture2, Qt::LeftButton, {}, QPoint(100, 5));
    expectRampEquals(picture);
}

TEST_F(ColorEditorTest, CancelledExportWritesNothingOverThePreviousFile) {
    const QString file = path(QStringLiteral("first.bmp"));
    dialogs.saveAnswers.push_back(file);
    QTest::mouseClick(colours->Command2, Qt::LeftButton);
    const QByteArray contents = [&] {
        QFile read(file);
        read.open(QIODevice::ReadOnly);
        return read.readAll();
    }();
    load(writePicture(QStringLiteral("other.bmp"), ramp(64)));
    QTest::mouseClick(colours->Command2, Qt::LeftButton); // cancelled
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), contents);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(ColorEditorTest, FailedLoadAndExportSayWhy) {
    const DesignDocument before = session->document;
    load(path(QStringLiteral("missing.bmp")));
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].line().contains(QStringLiteral("missing.bmp")));
    EXPECT_TRUE(session->document.sameDesignAs(before));
    dialogs.saveAnswers.push_back(path(QStringLiteral("no such folder/ramp.bmp")));
    QTest::mouseClick(colours->Command2, Qt::LeftButton);
    EXPECT_EQ(dialogs.warnings.size(), 2u);

    // A picture over the memory limit is refused by its header, undecoded.
    QFile huge(path(QStringLiteral("huge.bmp")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(common::test::bitmapHeader(30000, 30000));
    huge.close();
    load(huge.fileName());
    ASSERT_EQ(dialogs.warnings.size(), 3u);
    EXPECT_TRUE(dialogs.warnings[2].line().contains(
        QStringLiteral("huge.bmp\": the picture is 30000 x 30000 pixels, which needs 3434 MB "
                       "decoded; the limit is 256 MB")))
        << dialogs.warnings[2].line().toStdString();
    EXPECT_TRUE(session->document.sameDesignAs(before));
}

TEST_F(ColorEditorTest, SaveWritesTheLoadedRampLength) {
    const QImage picture = ramp(100);
    load(writePicture(QStringLiteral("ramp.bmp"), picture));
    const QString design = path(QStringLiteral("design.df2"));
    dialogs.saveAnswers.push_back(design);
    mainWindow->SAVE_Click();
    EXPECT_EQ(QFileInfo(design).size(), 33539 + 4 * 100);
    DesignDocument read;
    ASSERT_TRUE(ReadDesignFile(design, DesignFileVersion::V1_2, read).ok());
    EXPECT_EQ(read.RampLength, 100);
    EXPECT_EQ(read.ColorRamp[99], common::colourFromRgb(picture.pixel(99, 0)));
}

TEST_F(ColorEditorTest, WithoutARampTheStripIsBlackAndExportSaysSo) {
    session->document.RampLength = 0;
    colours->DRefresh();
    EXPECT_TRUE(colours->Picture1.isNull());
    EXPECT_EQ(colours->Picture2->image().pixel(0, 0) & 0xFFFFFF, 0u);
    dialogs.saveAnswers.push_back(path(QStringLiteral("none.bmp")));
    QTest::mouseClick(colours->Command2, Qt::LeftButton);
    EXPECT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("none.bmp"))));
    EXPECT_EQ(session->document.RampLength, 0);
}

// Ramp pictures of every kind a painting program writes load as their pixels;
// a damaged one is refused with a message naming it, and the ramp stays.
TEST_F(ColorEditorTest, RampPicturesOfEveryKindLoadAndDamagedOnesAreRefused) {
    int number = 0;
    for (const common::test::PictureVariant& variant : common::test::pictureVariants(16, 1)) {
        SCOPED_TRACE(variant.name.toStdString());
        const auto before = session->document.ColorRamp;
        const int lengthBefore = session->document.RampLength;
        dialogs.warnings.clear();
        const QString file = writeFile(
            QStringLiteral("ramp%1.%2").arg(++number).arg(variant.extension), variant.bytes);
        load(file);
        if (variant.damaged()) {
            ASSERT_EQ(dialogs.warnings.size(), 1u);
            EXPECT_TRUE(dialogs.warnings[0].text.contains(file));
            EXPECT_EQ(session->document.ColorRamp, before);
            EXPECT_EQ(session->document.RampLength, lengthBefore);
        } else {
            EXPECT_TRUE(dialogs.warnings.empty());
            expectRampEquals(variant.expected);
        }
    }
}

TEST_F(ColorEditorTest, TheLayerSwitchOffersALayerItsOwnRampAndEditsTheRampShown) {
    applyBuiltInRamp(session->document, 0);
    session->history.startAfresh();
    open<F_Editer>(ToolKind::Editer)->HScroll1->setValue(2);
    const std::vector<common::Colour> design = designRamp(session->document);
    const LayerSettings& layer = session->document.layer(2);

    // Declined, the offer changes nothing.
    QTest::mouseClick(colours->Command4, Qt::LeftButton);
    EXPECT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_FALSE(colours->Command4->isChecked());
    EXPECT_TRUE(layer.Ramp.empty());

    // Accepted, the layer takes a copy of the design's ramp, which is shown and
    // which a load replaces.
    dialogs.confirmAnswers.push_back(true);
    QTest::mouseClick(colours->Command4, Qt::LeftButton);
    EXPECT_TRUE(colours->Command4->isChecked());
    EXPECT_EQ(layer.Ramp, design);
    QImage picture = ramp(8);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    load(writePicture(QStringLiteral("layer.bmp"), picture));
    EXPECT_EQ(layer.Ramp, rampFromPicture(picture));
    EXPECT_EQ(colours->Picture1.width(), 8);
    EXPECT_EQ(designRamp(session->document), design);
    EXPECT_EQ(session->history.undoName().text(), QStringLiteral("カラーランプ"));

    // A layer's ramp starts with black.
    load(writePicture(QStringLiteral("blue.bmp"), ramp(8)));
    EXPECT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(layer.Ramp, rampFromPicture(picture));

    // Released, the switch shows the design's ramp, which a load then replaces.
    QTest::mouseClick(colours->Command4, Qt::LeftButton);
    EXPECT_EQ(colours->Picture1.width(), BuiltInRampLength);
    load(writePicture(QStringLiteral("design.bmp"), ramp(12)));
    EXPECT_EQ(session->document.RampLength, 12);
    EXPECT_EQ(layer.Ramp, rampFromPicture(picture));
}

TEST_F(ColorEditorTest, SnappingToAPaletteIsOneEditThatLeavesOnlyThePalettesColours) {
    applyBuiltInRamp(session->document, 0);
    session->history.startAfresh();
    const std::vector<common::Colour> before = designRamp(session->document);
    const common::Palette palette = *common::builtInPalette(QStringLiteral("game-boy"));

    const QList<QAction*> entries = colours->PaletteMenu->actions();
    const auto gameBoy = std::find_if(entries.begin(), entries.end(), [](QAction* entry) {
        return entry->text() == QStringLiteral("game-boy");
    });
    ASSERT_NE(gameBoy, entries.end());
    (*gameBoy)->trigger();

    const std::vector<common::Colour> snapped = designRamp(session->document);
    ASSERT_EQ(snapped.size(), before.size());
    for (std::size_t entry = 0; entry < snapped.size(); ++entry) {
        EXPECT_NE(std::find(palette.colours().begin(), palette.colours().end(), snapped[entry]),
                  palette.colours().end())
            << entry;
        EXPECT_EQ(colours->Picture1.pixel(static_cast<int>(entry), 0),
                  common::colourToRgb(snapped[entry]));
    }
    EXPECT_EQ(session->history.undoName().text(), QStringLiteral("パレットに合わせる"));
    session->history.undo();
    EXPECT_EQ(designRamp(session->document), before);
    EXPECT_FALSE(session->history.canUndo());
}

} // namespace
} // namespace kirabellum::test
