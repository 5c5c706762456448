#include "DesignerFixture.h"

#include "core/document/DesignFile.h"
#include "windows/editors/F_Color.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Gravity.h"
#include "windows/editors/F_Hinoko.h"
#include "windows/editors/Syousai.h"

#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTimer>

namespace kirabellum::test {
namespace {

constexpr int FrameEdge = 160; // the default frame size: one pixel per design unit
constexpr int Columns = 4;     // default width limit 640

QRgb grey(int entry) {
    return qRgb(entry * 17, entry * 17, entry * 17);
}

struct Lit {
    int count = 0;
    double meanX = 0;
    double meanY = 0;
};

Lit litPixels(const QImage& strip, int frame) {
    const QPoint origin(frame % Columns * FrameEdge, frame / Columns * FrameEdge);
    Lit lit;
    for (int y = 0; y < FrameEdge; ++y)
        for (int x = 0; x < FrameEdge; ++x)
            if ((strip.pixel(origin + QPoint(x, y)) & 0xFFFFFF) != 0) {
                ++lit.count;
                lit.meanX += x;
                lit.meanY += y;
            }
    if (lit.count > 0) {
        lit.meanX /= lit.count;
        lit.meanY /= lit.count;
    }
    return lit;
}

class EditorEndToEndTest : public DesignerFixture {};

TEST_F(EditorEndToEndTest, ADesignMadeInTheWindowsRendersAsItsSettingsSay) {
    mainWindow->NEW_Click();
    auto* editor = windows().windowAs<F_Editer>(ToolKind::Editer);
    auto* gravity = windows().windowAs<F_Gravity>(ToolKind::Gravity);
    auto* colours = windows().windowAs<F_Color>(ToolKind::Color);
    auto* sparks = windows().windowAs<F_Hinoko>(ToolKind::Hinoko);

    // A grey ramp of 16 entries and a spark of its brightest entries.
    QImage ramp(16, 1, QImage::Format_RGB32);
    for (int entry = 0; entry < 16; ++entry)
        ramp.setPixel(entry, 0, grey(entry));
    dialogs.openAnswers.push_back(writePicture(QStringLiteral("ramp.bmp"), ramp));
    QTest::mouseClick(colours->Command1, Qt::LeftButton);
    // The spark's centre (16, 16) sits on the particle.
    QImage spark(32, 32, QImage::Format_RGB32);
    spark.fill(Qt::black);
    for (int y = 14; y <= 18; ++y)
        for (int x = 14; x <= 18; ++x)
            spark.setPixel(x, y, grey(x == 16 && y == 16 ? 15 : 10));
    dialogs.openAnswers.push_back(writePicture(QStringLiteral("spark.bmp"), spark));
    QTest::mouseClick(sparks->Command1, Qt::LeftButton);

    // Layer 1 on, bursting left of the centre in a circle, three times.
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    press(editor->Picture1, {40.2, 80}, Qt::LeftButton);
    press(editor->Picture1, {40, 88}, Qt::RightButton);
    editor->TabStrip1->setCurrentIndex(1);
    press(editor->Picture1, {40, 104}, Qt::RightButton);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<Syousai*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Option1[1]->click();
        dialog->HScroll1[1]->setValue(6);
        dialog->HScroll1[2]->setValue(3);
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    });
    QTest::mouseClick(editor->Command3, Qt::LeftButton);

    // Gravity pulling straight down.
    press(gravity->Picture1, {80, 150}, Qt::LeftButton);
    QTest::mouseClick(gravity->Command1, Qt::LeftButton);
    clickArrow(gravity->HScroll1, true);

    const QString design = path(QStringLiteral("made.df2"));
    dialogs.saveAnswers.push_back(design);
    mainWindow->SAVE_Click();
    ASSERT_TRUE(dialogs.warnings.empty()) << dialogs.warnings.front().line().toStdString();

    DesignDocument saved;
    ASSERT_TRUE(ReadDesignFile(design, DesignFileVersion::V1_2, saved).ok());
    const LayerSettings& layer = saved.layer(1);
    EXPECT_EQ(layer.LayerUse, 1);
    EXPECT_EQ(layer.LayerX, 40);
    EXPECT_EQ(layer.LayerY, 80);
    EXPECT_EQ(layer.LayerRadius, 8);
    for (std::int16_t length : layer.LayerShape)
        EXPECT_EQ(length, 24);
    EXPECT_EQ(layer.LayerBurstMode, 1);
    EXPECT_EQ(layer.LayerBurstTo, 6);
    EXPECT_EQ(layer.LayerBurstStep, 3);
    EXPECT_EQ(saved.Gravity[0].Use, 1);
    EXPECT_EQ(saved.Gravity[0].Angle, 90.0f);
    EXPECT_EQ(saved.Gravity[0].Power, 5.0f);
    EXPECT_EQ(saved.RampLength, 16);
    EXPECT_EQ(saved.SparkImage[0].at(16, 16), common::colourFromRgb(grey(15)));
    EXPECT_EQ(saved.SparkImage[1].at(16, 16), 0u);

    const QString stripFile = path(QStringLiteral("strip.bmp"));
    QProcess render;
    render.start(QStringLiteral(KIRABELLUM_EXECUTABLE),
                 {QStringLiteral("render"), design, QStringLiteral("-o"), stripFile});
    ASSERT_TRUE(render.waitForFinished(60000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage strip = QImage(stripFile).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(strip.size(), QSize(Columns * FrameEdge, 3 * FrameEdge));

    // Every pixel is a ramp colour.
    QSet<QRgb> rampColours;
    for (int entry = 0; entry < 16; ++entry)
        rampColours.insert(grey(entry) & 0xFFFFFF);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            ASSERT_TRUE(rampColours.contains(strip.pixel(x, y) & 0xFFFFFF)) << x << ", " << y;

    // The burst lies around its centre left of the middle and falls.
    const Lit first = litPixels(strip, 1);
    const Lit second = litPixels(strip, 2);
    ASSERT_GT(first.count, 50);
    EXPECT_NEAR(first.meanX, 40, 8);
    EXPECT_GT(first.meanY, 80);
    EXPECT_GT(second.meanY, first.meanY);
    for (int frame = 3; frame < 10; ++frame)
        EXPECT_GT(litPixels(strip, frame).count, 0) << frame;
}

} // namespace
} // namespace kirabellum::test
