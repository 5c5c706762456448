#include "DesignerFixture.h"

#include "windows/editors/F_Editer.h"
#include "windows/editors/Syousai.h"
#include "windows/render/F_Animation.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace kirabellum::test {
namespace {

class SyousaiTest : public DesignerFixture {
protected:
    SyousaiTest() {
        mainWindow->NEW_Click();
        editor = open<F_Editer>(ToolKind::Editer);
        settings = open<F_Animation>(ToolKind::Animation);
    }
    LayerSettings& layer(int number) { return session->document.layer(number); }

    F_Editer* editor = nullptr;
    F_Animation* settings = nullptr;
};

TEST_F(SyousaiTest, DefaultLayerOpensAsASingleBurstFromZeroToZero) {
    Syousai dialog(*session, windows(), mainWindow.get());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("発生設定"));
    EXPECT_TRUE(dialog.Option1[0]->isChecked());
    EXPECT_EQ(dialog.Option1[0]->text(), QStringLiteral("単爆発"));
    EXPECT_EQ(dialog.Option1[1]->text(), QStringLiteral("複数回爆発"));
    EXPECT_EQ(dialog.Option1[0]->toolTip(), QStringLiteral("0フレーム時に１回発生"));
    EXPECT_EQ(dialog.Label1[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.Label1[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.Label1[2]->text(), QStringLiteral("1"));
}

TEST_F(SyousaiTest, OpensInTheMiddleOfTheScreen) {
    // Away from the middle, so that centring on the main window would show.
    mainWindow->setGeometry(0, 0, 400, 300);
    Syousai dialog(*session, windows(), mainWindow.get());
    dialog.show();
    // Within the width of a window frame.
    const QPoint offset = dialog.frameGeometry().center() - dialog.screen()->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 8) << offset.x() << ", " << offset.y();
    dialog.reject();
}

TEST_F(SyousaiTest, RangesReachTheRenderSettingsFrameCount) {
    const struct {
        int frameCount;
        bool fromFile; // put into the document and shown, else moved on the bar
        int maximum;
    } cases[] = {{10, false, 10}, {25, false, 25},  {1, false, 1}, {256, false, 256},
                 {40, true, 40},  {300, true, 256}, {0, true, 1}};
    for (const auto& each : cases) {
        if (each.fromFile) {
            session->document.FrameCount = static_cast<std::int16_t>(each.frameCount);
            settings->DRefresh();
        } else {
            settings->HScroll1[1]->setValue(each.frameCount);
        }
        Syousai dialog(*session, windows(), mainWindow.get());
        for (QScrollBar* bar : dialog.HScroll1)
            EXPECT_EQ(bar->maximum(), each.maximum) << each.frameCount;
        EXPECT_EQ(dialog.HScroll1[0]->minimum(), 0);
        EXPECT_EQ(dialog.HScroll1[2]->minimum(), 1);
    }
}

TEST_F(SyousaiTest, ReadingTheFrameCountOpensTheRenderSettings) {
    closeWindow(ToolKind::Animation);
    Syousai dialog(*session, windows(), mainWindow.get());
    EXPECT_NE(windows().window(ToolKind::Animation), nullptr);
    EXPECT_EQ(dialog.HScroll1[1]->maximum(), 10);
}

TEST_F(SyousaiTest, LastFrameNeverStaysBelowTheFirst) {
    settings->HScroll1[1]->setValue(10);
    layer(1).LayerBurstFrom = 3;
    layer(1).LayerBurstTo = 8;
    {
        Syousai dialog(*session, windows(), mainWindow.get());
        EXPECT_EQ(dialog.Label1[0]->text(), QStringLiteral("3"));
        EXPECT_EQ(dialog.Label1[1]->text(), QStringLiteral("8"));
        dialog.HScroll1[0]->setValue(9); // the first frame drags the last along
        EXPECT_EQ(dialog.HScroll1[1]->value(), 9);
        EXPECT_EQ(dialog.Label1[0]->text(), QStringLiteral("9"));
        EXPECT_EQ(dialog.Label1[1]->text(), QStringLiteral("9"));
    }
    {
        Syousai dialog(*session, windows(), mainWindow.get());
        dialog.HScroll1[1]->setValue(2); // snaps back to the first frame
        EXPECT_EQ(dialog.HScroll1[1]->value(), 3);
        EXPECT_EQ(dialog.Label1[1]->text(), QStringLiteral("3"));
        clickArrow(dialog.HScroll1[1], false);
        EXPECT_EQ(dialog.HScroll1[1]->value(), 3);
    }
}

TEST_F(SyousaiTest, OkStoresTheValuesInBothModes) {
    settings->HScroll1[1]->setValue(20);
    for (int mode : {0, 1}) {
        Syousai dialog(*session, windows(), mainWindow.get());
        dialog.Option1[static_cast<std::size_t>(mode)]->click();
        dialog.HScroll1[0]->setValue(4 + mode);
        dialog.HScroll1[1]->setValue(12);
        clickArrow(dialog.HScroll1[2], true);
        clickArrow(dialog.HScroll1[2], true);
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(layer(1).LayerBurstMode, mode);
        EXPECT_EQ(layer(1).LayerBurstFrom, 4 + mode);
        EXPECT_EQ(layer(1).LayerBurstTo, 12);
        EXPECT_EQ(layer(1).LayerBurstStep, 3 + 2 * mode);
        EXPECT_EQ(layer(2).LayerBurstMode, 0);
        EXPECT_EQ(layer(2).LayerBurstTo, 0);
    }
}

TEST_F(SyousaiTest, CancelStoresNothing) {
    layer(1).LayerBurstMode = 1;
    layer(1).LayerBurstFrom = 2;
    layer(1).LayerBurstTo = 5;
    layer(1).LayerBurstStep = 2;
    const DesignDocument before = session->document;
    Syousai dialog(*session, windows(), mainWindow.get());
    EXPECT_TRUE(dialog.Option1[1]->isChecked());
    dialog.Option1[0]->click();
    dialog.HScroll1[0]->setValue(7);
    dialog.HScroll1[2]->setValue(4);
    QTest::mouseClick(dialog.Command2, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(session->document.sameDesignAs(before));
}

TEST_F(SyousaiTest, StoredValuesOutsideTheRangesOpenClampedAndStayUntilOk) {
    settings->HScroll1[1]->setValue(10);
    layer(1).LayerBurstFrom = 50;
    layer(1).LayerBurstTo = -3;
    layer(1).LayerBurstStep = 0;
    const DesignDocument before = session->document;
    Syousai dialog(*session, windows(), mainWindow.get());
    EXPECT_EQ(dialog.HScroll1[0]->value(), 10);
    EXPECT_EQ(dialog.HScroll1[1]->value(), 10);
    EXPECT_EQ(dialog.HScroll1[2]->value(), 1);
    EXPECT_EQ(dialog.Label1[2]->text(), QStringLiteral("1"));
    EXPECT_TRUE(session->document.sameDesignAs(before));
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    EXPECT_EQ(layer(1).LayerBurstFrom, 10);
    EXPECT_EQ(layer(1).LayerBurstTo, 10);
    EXPECT_EQ(layer(1).LayerBurstStep, 1);
}

TEST_F(SyousaiTest, TheEditorsButtonOpensItModallyForTheCurrentLayer) {
    clickArrow(editor->HScroll1, true);
    clickArrow(editor->HScroll1, true);
    ASSERT_EQ(session->currentLayer, 3);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Syousai*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        dialog->Option1[1]->click();
        dialog->HScroll1[1]->setValue(6);
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    });
    QTest::mouseClick(editor->Command3, Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_EQ(layer(3).LayerBurstMode, 1);
    EXPECT_EQ(layer(3).LayerBurstTo, 6);
    EXPECT_EQ(layer(1).LayerBurstMode, 0);
}

} // namespace
} // namespace kirabellum::test
