#include "TestImages.h"
#include "TypedBarValue.h"
#include "WindowFixture.h"

#include "common/windows/EngineView.h"
#include "core/ColourDisplay.h"
#include "core/Recolouring.h"
#include "windows/Color.h"
#include "windows/Preview.h"
#include "windows/Wait.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

namespace koratune {
namespace {

using ColourWindow = WindowFixture;

// An image of many colours with black and white among them.
QImage colourfulImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) % 256, (y * 11) % 256, (x * y + 60) % 256));
    }
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(1, 0, qRgb(255, 255, 255));
    return image;
}

QImage recoloured(const QImage& base, int hueShift, int saturationShift) {
    QImage result = base.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = result.pixel(x, y);
            const common::Colour shifted =
                RecolourColour(qRed(pixel) | (qGreen(pixel) << 8) | (qBlue(pixel) << 16), hueShift,
                               saturationShift);
            result.setPixel(x, y, qRgb(shifted & 255, (shifted >> 8) & 255, shifted >> 16));
        }
    }
    return result;
}

TEST_F(ColourWindow, ControlsStartAtZero) {
    const Color& colour = *mainWindow->colour();
    EXPECT_EQ(colour.windowTitle(), QStringLiteral("ColorTranceform"));
    EXPECT_EQ(colour.HScroll1()->minimum(), 0);
    EXPECT_EQ(colour.HScroll1()->maximum(), 1529);
    EXPECT_EQ(colour.HScroll1()->singleStep(), 1);
    EXPECT_EQ(colour.HScroll1()->pageStep(), 15);
    EXPECT_EQ(colour.HScroll2()->minimum(), -255);
    EXPECT_EQ(colour.HScroll2()->maximum(), 255);
    EXPECT_EQ(colour.HScroll2()->singleStep(), 1);
    EXPECT_EQ(colour.HScroll2()->pageStep(), 8);
    EXPECT_EQ(colour.Label2()->text(), QStringLiteral("0ﾟ"));
    EXPECT_EQ(colour.Label1()->text(), QStringLiteral("0%"));
    EXPECT_EQ(colour.Command2()->text(), QStringLiteral("デフォルト"));
    EXPECT_EQ(colour.Picture1()->image(), HueCycleStrip(1));
    EXPECT_EQ(colour.Picture2(0)->image(), HueCycleStrip(1));
    EXPECT_EQ(colour.Picture2(1)->image(), HueCycleStrip(2));
    EXPECT_FALSE(colour.Picture2(1)->isVisible()) << "the source strip is never shown";
}

TEST_F(ColourWindow, LabelsAndTheShiftedStripFollowTheScrollBars) {
    Color& colour = *mainWindow->colour();
    const struct {
        int hue;
        const char* degrees;
        int saturation;
        const char* percent;
    } cases[] = {
        {765, "180ﾟ", 255, "100%"},
        {1, "0.2ﾟ", 128, "50.1%"},
        {1529, "359.7ﾟ", -128, "-50.2%"},
        {0, "0ﾟ", 0, "0%"},
    };
    const QImage doubled = HueCycleStrip(2);
    for (const auto& c : cases) {
        colour.HScroll1()->setValue(c.hue);
        colour.HScroll2()->setValue(c.saturation);
        EXPECT_EQ(colour.Label2()->text(), QString::fromUtf8(c.degrees));
        EXPECT_EQ(colour.Label1()->text(), QString::fromUtf8(c.percent));
        EXPECT_EQ(colour.Picture2(0)->image(),
                  doubled.copy(HueStripOffset(c.hue), 0, HueStripWidth, HueStripHeight))
            << c.hue;
    }
    // Dragging the thumb shows the values as it moves.
    colour.HScroll1()->setSliderDown(true);
    colour.HScroll1()->setSliderPosition(1020);
    EXPECT_EQ(colour.Label2()->text(), QStringLiteral("240ﾟ"));
    colour.HScroll1()->setSliderDown(false);
}

TEST_F(ColourWindow, TheShiftsAreTypedInDegreesAndPercentAsShown) {
    Color& colour = *mainWindow->colour();
    const struct {
        QLabel* label;
        QScrollBar* bar;
        const char* typed;
        int value;
        const char* shown;
    } cases[] = {
        {colour.Label2(), colour.HScroll1(), "180", 765, "180ﾟ"},
        {colour.Label2(), colour.HScroll1(), "359.7", 1529, "359.7ﾟ"},
        {colour.Label2(), colour.HScroll1(), "0.2", 1, "0.2ﾟ"},
        {colour.Label2(), colour.HScroll1(), "400", 1529, "359.7ﾟ"},
        {colour.Label1(), colour.HScroll2(), "50.1", 128, "50.1%"},
        {colour.Label1(), colour.HScroll2(), "-50.2", -128, "-50.2%"},
        {colour.Label1(), colour.HScroll2(), "100", 255, "100%"},
    };
    for (const auto& c : cases) {
        // The field opens with the number the label shows.
        const QString before = c.label->text().remove(QRegularExpression(QStringLiteral("[%ﾟ]")));
        common::test::typeBarValue(c.label, QString::fromUtf8(c.typed), Qt::Key_Return, before);
        EXPECT_EQ(c.bar->value(), c.value) << c.typed;
        EXPECT_EQ(c.label->text(), QString::fromUtf8(c.shown));
    }
}

TEST_F(ColourWindow, DefaultSetsBothScrollBarsToZeroWithoutRecolouring) {
    openImage(colourfulImage(30, 20));
    Color& colour = *mainWindow->colour();
    colour.HScroll1()->setValue(300);
    colour.HScroll2()->setValue(-40);
    colour.Command2()->click();
    EXPECT_EQ(colour.HScroll1()->value(), 0);
    EXPECT_EQ(colour.HScroll2()->value(), 0);
    EXPECT_EQ(colour.Label2()->text(), QStringLiteral("0ﾟ"));
    EXPECT_EQ(colour.Label1()->text(), QStringLiteral("0%"));
    EXPECT_EQ(session->images.work(), colourfulImage(30, 20));
}

TEST_F(ColourWindow, ApplyRecoloursTheBaseInTheProgressWindow) {
    const QImage base = colourfulImage(48, 30);
    openImage(base);
    Color& colour = *mainWindow->colour();
    int progressWindows = 0;
    int lastRow = -1;
    int barMaximum = 0;
    QObject::connect(&colour, &Color::progressWindowOpened, [&](Wait* wait) {
        ++progressWindows;
        EXPECT_TRUE(wait->isModal());
        EXPECT_EQ(wait->size(), QSize(306, 57));
        EXPECT_EQ(wait->Command1()->text(), QStringLiteral("中止"));
        EXPECT_EQ(wait->Timer1()->interval(), 50);
        EXPECT_TRUE(wait->Timer1()->isActive());
        wait->Timer1()->start(0); // the 50 ms before the run, shortened
        EXPECT_NE(wait->findChild<QLabel*>(), nullptr);
        EXPECT_EQ(wait->findChild<QLabel*>()->text(),
                  QStringLiteral("Now Rendering.Please Wait..."));
        QObject::connect(wait, &Wait::rowStarted, [&, wait](int row) {
            lastRow = row;
            barMaximum = wait->RenderBar()->maximum();
            EXPECT_EQ(wait->RenderBar()->value(), row);
        });
    });
    colour.HScroll1()->setValue(510);
    colour.HScroll2()->setValue(-100);
    colour.Command1()->click();
    EXPECT_EQ(progressWindows, 1);
    EXPECT_EQ(session->settings.HueShift, 510);
    EXPECT_EQ(session->settings.SaturationShift, -100);
    EXPECT_EQ(lastRow, 29) << "the bar ends one short of its maximum";
    EXPECT_EQ(barMaximum, 30);
    EXPECT_EQ(session->images.work(), recoloured(base, 510, -100));
    EXPECT_EQ(session->images.base(), base);

    // Applying again starts from the base, so the result is the same.
    colour.Command1()->click();
    EXPECT_EQ(session->images.work(), recoloured(base, 510, -100));

    // Both at zero restores the base without moving the bar.
    lastRow = -1;
    colour.Command2()->click();
    colour.Command1()->click();
    EXPECT_EQ(progressWindows, 3);
    EXPECT_EQ(lastRow, -1);
    EXPECT_EQ(session->images.work(), base);
}

TEST_F(ColourWindow, AFinishedRecolouringSaysSoWithItsTime) {
    openImage(colourfulImage(40, 48));
    Color& colour = *mainWindow->colour();
    QObject::connect(&colour, &Color::progressWindowOpened,
                     [](Wait* wait) { wait->Timer1()->start(0); });
    const QRegularExpression finished(
        QStringLiteral("^色変換が終わりました（48 行、\\d+\\.\\d 秒）$"));
    for (const int hueShift : {765, 0}) {
        colour.HScroll1()->setValue(hueShift);
        colour.Command1()->click();
        const QString status = mainWindow->findChild<QLabel*>(QStringLiteral("StatusBar1"))->text();
        EXPECT_TRUE(finished.match(status).hasMatch()) << status.toStdString();
    }
}

TEST_F(ColourWindow, StopDuringARowLeavesTheRowsBelowAsTheBase) {
    const QImage base = colourfulImage(40, 48);
    openImage(base);
    Color& colour = *mainWindow->colour();
    QObject::connect(&colour, &Color::progressWindowOpened, [&](Wait* wait) {
        wait->Timer1()->start(0);
        QObject::connect(wait, &Wait::rowStarted, [wait](int row) {
            if (row == 10)
                wait->Command1()->click();
        });
    });
    colour.HScroll1()->setValue(765);
    colour.Command1()->click();
    const QImage all = recoloured(base, 765, 0);
    const QImage& work = session->images.work();
    EXPECT_EQ(work.copy(0, 0, 40, 11), all.copy(0, 0, 40, 11));
    EXPECT_EQ(work.copy(0, 11, 40, 37), base.copy(0, 11, 40, 37));
    EXPECT_NE(work.copy(0, 10, 40, 1), base.copy(0, 10, 40, 1));
    // The status bar says how far it went, and the preview shows the result.
    EXPECT_EQ(mainWindow->findChild<QLabel*>(QStringLiteral("StatusBar1"))->text(),
              QStringLiteral("色変換を中止しました（11 / 48 行を変換済み）"));
    EXPECT_EQ(mainWindow->preview()->Picture1()->image().copy(0, 0, 40, 48), work);
}

TEST_F(ColourWindow, RecolouringAfterACompositeStartsFromTheComposite) {
    const QImage base = colourfulImage(40, 20);
    openImage(base);
    Color& colour = *mainWindow->colour();
    colour.HScroll1()->setValue(255);
    colour.Command1()->click();
    const QImage firstRecolouring = session->images.work();

    QImage overlay = filledImage(40, 20, qRgb(0, 0, 0));
    overlay.setPixel(3, 3, qRgb(200, 100, 50));
    dialogs.openAnswers.push_back(writeBitmap(QStringLiteral("overlay.bmp"), overlay));
    mainWindow->UnionPic();
    QImage composite = firstRecolouring;
    composite.setPixel(3, 3, qRgb(200, 100, 50));
    EXPECT_EQ(session->images.base(), composite);
    // The preview shows the composite at once.
    EXPECT_EQ(mainWindow->preview()->Picture1()->image().copy(0, 0, 40, 20), composite);

    colour.Command2()->click();
    colour.Command1()->click();
    EXPECT_EQ(session->images.work(), composite);
}

} // namespace
} // namespace koratune
