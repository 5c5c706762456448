#include "DesignerFixture.h"
#include "PictureVariants.h"
#include "TestFiles.h"

#include "common/windows/PictureBox.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Hinoko.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPushButton>

namespace kirabellum::test {
namespace {

// A picture whose every pixel differs, so a copy off by one shows.
QImage patterned(int width, int height, int seed = 0) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgb((x * 8 + seed) & 0xFF, (y * 8) & 0xFF, (x + y + seed) & 0xFF));
    return image;
}

class HinokoTest : public DesignerFixture {
protected:
    HinokoTest() {
        mainWindow->NEW_Click();
        editor = open<F_Editer>(ToolKind::Editer);
        sparks = open<F_Hinoko>(ToolKind::Hinoko);
    }
    const SparkBitmap& spark(int layer) const {
        return session->document.SparkImage[static_cast<std::size_t>(layer - 1)];
    }
    void expectSparkEquals(int layer, const QImage& picture) {
        for (int y = 0; y < SparkEdge; ++y)
            for (int x = 0; x < SparkEdge; ++x) {
                const common::Colour expected = x < picture.width() && y < picture.height()
                                                    ? common::colourFromRgb(picture.pixel(x, y))
                                                    : 0;
                ASSERT_EQ(spark(layer).at(x, y), expected) << x << ", " << y;
            }
    }
    void load(const QString& file) {
        dialogs.openAnswers.push_back(file);
        QTest::mouseClick(sparks->Command1, Qt::LeftButton);
    }

    F_Editer* editor = nullptr;
    F_Hinoko* sparks = nullptr;
};

TEST_F(HinokoTest, ASquarePictureIsCopiedPixelForPixelIntoTheCurrentLayer) {
    const QImage picture = patterned(32, 32);
    load(writePicture(QStringLiteral("spark.bmp"), picture));
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(common::WidgetDialogs::qtFilters(dialogs.openQuestions.back().filters),
              QStringList{QStringLiteral("*.bmp")});
    expectSparkEquals(1, picture);
    EXPECT_EQ(sparks->Picture1->image(), picture);

    // Another layer shows its own (black) image; coming back shows this one.
    clickArrow(editor->HScroll1, true);
    EXPECT_EQ(sparks->Picture1->image().pixel(31, 31) & 0xFFFFFF, 0u);
    clickArrow(editor->HScroll1, false);
    EXPECT_EQ(sparks->Picture1->image(), picture);
}

TEST_F(HinokoTest, PngAndSmallerSquaresAreAccepted) {
    const QImage png = patterned(32, 32, 7);
    load(writePicture(QStringLiteral("spark.png"), png));
    expectSparkEquals(1, png);

    const QImage small = patterned(16, 16, 3);
    load(writePicture(QStringLiteral("small.bmp"), small));
    EXPECT_TRUE(dialogs.warnings.empty());
    expectSparkEquals(1, small); // the rest of the block is black
}

TEST_F(HinokoTest, AClickOnTheSparkViewLoads) {
    const QImage picture = patterned(32, 32, 1);
    dialogs.openAnswers.push_back(writePicture(QStringLiteral("spark.bmp"), picture));
    QTest::mouseClick(sparks->Picture1, Qt::LeftButton, {}, QPoint(10, 10));
    expectSparkEquals(1, picture);
}

TEST_F(HinokoTest, WrongSizesAreRefusedAndKeepTheImage) {
    const QImage kept = patterned(32, 32, 9);
    load(writePicture(QStringLiteral("kept.bmp"), kept));
    session->document.SparkImage[4].at(3, 3) = common::makeColour(1, 2, 3);
    const DesignDocument before = session->document;
    for (QSize size : {QSize(33, 33), QSize(32, 31), QSize(31, 32), QSize(64, 64)}) {
        dialogs.warnings.clear();
        load(writePicture(QStringLiteral("wrong.bmp"), patterned(size.width(), size.height())));
        ASSERT_EQ(dialogs.warnings.size(), 1u) << size.width() << "x" << size.height();
        EXPECT_EQ(dialogs.warnings[0].line(),
                  QStringLiteral(
                      "エラー: サイズが正しくありません\r\n正方形で32x32の画像を指定してください"));
        EXPECT_TRUE(session->document.sameDesignAs(before));
        EXPECT_EQ(sparks->Picture1->image(), kept);
    }
}

TEST_F(HinokoTest, ALoadWritesIntoTheCurrentLayerOnly) {
    editor->HScroll1->setValue(3);
    const DesignDocument before = session->document;
    const QImage picture = patterned(32, 32, 5);
    load(writePicture(QStringLiteral("three.bmp"), picture));
    expectSparkEquals(3, picture);
    for (int layer : {1, 2, 4, 5, 6, 7, 8})
        EXPECT_EQ(spark(layer).pixels,
                  before.SparkImage[static_cast<std::size_t>(layer - 1)].pixels);
}

TEST_F(HinokoTest, ExportWritesTheShownImageAndLoadsBackUnchanged) {
    const QImage picture = patterned(32, 32, 11);
    load(writePicture(QStringLiteral("spark.bmp"), picture));
    // Whatever the chosen name ends in, the file under exactly that name is a
    // Windows bitmap.
    for (const QString& name :
         {QStringLiteral("out.bmp"), QStringLiteral("out.png"), QStringLiteral("out")}) {
        const QString file = path(name);
        dialogs.saveAnswers.push_back(file);
        QTest::mouseClick(sparks->Command2, Qt::LeftButton);
        EXPECT_TRUE(dialogs.warnings.empty());
        QImageReader reader(file);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), "bmp") << name.toStdString();
        const QImage written = reader.read();
        ASSERT_EQ(written.size(), QSize(32, 32));
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), picture);
        // The 24-bit bitmap: 54 bytes of headers and 32 rows of 96 bytes.
        EXPECT_EQ(QFile(file).size(), 54 + 32 * 96) << name.toStdString();

        const DesignDocument before = session->document;
        load(file);
        EXPECT_TRUE(session->document.sameDesignAs(before));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 4); // spark.bmp and the three
}

TEST_F(HinokoTest, CancelledDialogsChangeAndWriteNothing) {
    const DesignDocument before = session->document;
    QTest::mouseClick(sparks->Command1, Qt::LeftButton); // no answer: cancelled
    QTest::mouseClick(sparks->Command2, Qt::LeftButton);
    EXPECT_TRUE(session->document.sameDesignAs(before));
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(HinokoTest, FailedLoadAndExportSayWhy) {
    const QImage kept = patterned(32, 32, 2);
    load(writePicture(QStringLiteral("kept.bmp"), kept));
    const DesignDocument before = session->document;

    QFile damaged(path(QStringLiteral("damaged.bmp")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM this is not a picture");
    damaged.close();
    load(damaged.fileName());
    load(path(QStringLiteral("missing.bmp")));
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_TRUE(dialogs.warnings[0].line().contains(QStringLiteral("damaged.bmp")));
    EXPECT_TRUE(dialogs.warnings[1].line().contains(QStringLiteral("missing.bmp")));
    EXPECT_TRUE(session->document.sameDesignAs(before));
    EXPECT_EQ(sparks->Picture1->image(), kept);

    dialogs.saveAnswers.push_back(path(QStringLiteral("no such folder/out.bmp")));
    QTest::mouseClick(sparks->Command2, Qt::LeftButton);
    ASSERT_EQ(dialogs.warnings.size(), 3u);
    EXPECT_TRUE(dialogs.warnings[2].line().contains(QStringLiteral("out.bmp")));

    // A picture over the memory limit is refused by its header, undecoded.
    QFile huge(path(QStringLiteral("huge.bmp")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(common::test::bitmapHeader(30000, 30000));
    huge.close();
    load(huge.fileName());
    ASSERT_EQ(dialogs.warnings.size(), 4u);
    EXPECT_TRUE(dialogs.warnings[3].line().contains(
        QStringLiteral("huge.bmp\": the picture is 30000 x 30000 pixels, which needs 3434 MB "
                       "decoded; the limit is 256 MB")))
        << dialogs.warnings[3].line().toStdString();
    EXPECT_TRUE(session->document.sameDesignAs(before));
    EXPECT_EQ(sparks->Picture1->image(), kept);
}

TEST_F(HinokoTest, ZoomShowsEachSparkPixelAsABlockOfTwoOrThree) {
    const QImage picture = patterned(32, 32, 4);
    load(writePicture(QStringLiteral("spark.bmp"), picture));
    const QImage& zoom = sparks->Picture3->image();
    ASSERT_EQ(zoom.size(), QSize(80, 80));
    std::array<int, 32> columns{};
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x)
            ASSERT_EQ(zoom.pixel(x, y), picture.pixel(x * 2 / 5, y * 2 / 5)) << x << ", " << y;
    for (int x = 0; x < 80; ++x)
        ++columns[static_cast<std::size_t>(x * 2 / 5)];
    for (int width : columns)
        EXPECT_TRUE(width == 2 || width == 3);
}

// Spark pictures of every kind a painting program writes load as their pixels;
// a damaged one is refused with a message naming it, and the spark stays.
TEST_F(HinokoTest, SparkPicturesOfEveryKindLoadAndDamagedOnesAreRefused) {
    int number = 0;
    for (const common::test::PictureVariant& variant : common::test::pictureVariants(32, 32)) {
        SCOPED_TRACE(variant.name.toStdString());
        const SparkBitmap before = spark(1);
        dialogs.warnings.clear();
        const QString file = writeFile(
            QStringLiteral("spark%1.%2").arg(++number).arg(variant.extension), variant.bytes);
        load(file);
        if (variant.damaged()) {
            ASSERT_EQ(dialogs.warnings.size(), 1u);
            EXPECT_TRUE(dialogs.warnings[0].text.contains(file));
            EXPECT_EQ(spark(1).pixels, before.pixels);
        } else {
            EXPECT_TRUE(dialogs.warnings.empty());
            expectSparkEquals(1, variant.expected);
        }
    }
}

} // namespace
} // namespace kirabellum::test
