#include "DesignerFixture.h"
#include "TypedBarValue.h"

#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Gravity.h"
#include "windows/editors/Syousai.h"
#include "windows/render/F_Animation.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest/QTest>

namespace kirabellum::test {
namespace {

using common::test::typeBarValue;

class RoughEdgesTest : public DesignerFixture {
protected:
    RoughEdgesTest() { mainWindow->NEW_Click(); }
};

TEST_F(RoughEdgesTest, TheGravityWindowHasItsClientSize) {
    EXPECT_EQ(windows().open(ToolKind::Gravity)->size(), QSize(297, 202));
}

TEST_F(RoughEdgesTest, ToolWindowsToolbarAndShortcutsSayWhatTheyAre) {
    EXPECT_FALSE(mainWindow->windowIcon().isNull());
    const qint64 programIcon = mainWindow->windowIcon().cacheKey();
    for (ToolKind kind : {ToolKind::Editer, ToolKind::Preview})
        EXPECT_EQ(windows().open(kind)->parentWidget()->windowIcon().cacheKey(), programIcon);
    const QList<QAction*> buttons = mainWindow->Toolbar1->actions();
    ASSERT_EQ(buttons.size(), 6);
    // Each button's tip names the window it opens before it says what is done there.
    EXPECT_TRUE(buttons[0]->toolTip().startsWith(QStringLiteral("ParticleEditer: ")));
    EXPECT_TRUE(buttons[5]->toolTip().startsWith(QStringLiteral("Preview: ")));
    EXPECT_EQ(mainWindow->NEW->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(mainWindow->OPEN[0]->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(mainWindow->OVERWRITE->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(mainWindow->SAVE->shortcut(), QKeySequence(QKeySequence::SaveAs));
}

TEST_F(RoughEdgesTest, ATypedSpinBarValueIsHeldToTheRangeAndStep) {
    auto* editer = open<F_Editer>(ToolKind::Editer);
    const LayerSettings& layer = session->document.layer(1);
    struct Case {
        QLabel* label;
        const char* typed;
        int stored;
        const std::uint8_t* life; // null: the count
    };
    const Case cases[] = {
        {editer->Label4, "1000", 1000, nullptr},      {editer->Label4, "1001", 1000, nullptr},
        {editer->Label4, "1003", 1004, nullptr},      {editer->Label4, "9999", 2048, nullptr},
        {editer->Label4, "-5", 4, nullptr},           {editer->Label6, "200", 55, &layer.LayerLife},
        {editer->Label6, "300", 0, &layer.LayerLife},
    };
    for (const Case& item : cases) {
        typeBarValue(item.label, QString::fromLatin1(item.typed), Qt::Key_Return);
        const int stored = item.life ? *item.life : layer.LayerCount;
        EXPECT_EQ(stored, item.stored) << item.typed;
    }
    EXPECT_EQ(editer->Label6->text(), QStringLiteral("255"));
    // One undo step per typed value.
    mainWindow->UNDO_Click();
    EXPECT_EQ(layer.LayerLife, 55);
}

TEST_F(RoughEdgesTest, EverySpinBarsValueTellsThatADoubleClickTypesIt) {
    auto* editer = open<F_Editer>(ToolKind::Editer);
    auto* gravity = open<F_Gravity>(ToolKind::Gravity);
    for (QLabel* label : {editer->Label2, editer->Label4, editer->Label5, editer->Label6,
                          editer->Label3, gravity->Label1})
        EXPECT_EQ(label->toolTip(), QStringLiteral("ダブルクリックで数値を入力"))
            << label->text().toStdString();
    typeBarValue(editer->Label2, QStringLiteral("5"), Qt::Key_Return);
    EXPECT_EQ(session->currentLayer, 5);
}

TEST_F(RoughEdgesTest, TheRenderAndBurstSettingsTakeTypedValues) {
    auto* animation = open<F_Animation>(ToolKind::Animation);
    Syousai burst(*session, windows(), mainWindow.get());
    burst.Option1[1]->click(); // bursts from a range of frames
    burst.show();
    const DesignDocument& document = session->document;
    const struct {
        QLabel* label;
        const char* shown; // in the field, without the label's unit
        const char* typed;
        QScrollBar* bar;
        int value;
    } cases[] = {
        {animation->Label3[0], "160", "203", animation->HScroll1[0], 200},
        {animation->Label3[1], "10", "48", animation->HScroll1[1], 48},
        // The afterimage is shown counting down from 110.
        {animation->Label3[2], "", "30", animation->HScroll1[2], 80},
        {animation->Label3[3], "", "150", animation->HScroll1[3], 150},
        {animation->Label3[4], "", "1000", animation->HScroll1[4], 992},
        // Held to the frame count the window opened with.
        {burst.Label1[1], "", "12", burst.HScroll1[1], 10},
        {burst.Label1[2], "", "3", burst.HScroll1[2], 3},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(item.label->toolTip(), QStringLiteral("ダブルクリックで数値を入力"));
        typeBarValue(item.label, QString::fromLatin1(item.typed), Qt::Key_Return,
                     QString::fromLatin1(item.shown));
        EXPECT_EQ(item.bar->value(), item.value) << item.typed;
    }
    EXPECT_EQ(document.FrameSize, 200);
    EXPECT_EQ(document.FrameCount, 48);
    EXPECT_EQ(document.Afterimage, 80);
    EXPECT_EQ(animation->Label3[2]->text(), QStringLiteral("30"));
}

TEST_F(RoughEdgesTest, EscapeLeavesTheValueAlone) {
    auto* gravity = open<F_Gravity>(ToolKind::Gravity);
    typeBarValue(gravity->Label1, QStringLiteral("30"), Qt::Key_Escape);
    EXPECT_EQ(session->document.Gravity[0].Power, 4.0f);
    EXPECT_EQ(gravity->Label1->text(), QStringLiteral("4"));
    EXPECT_EQ(gravity->findChild<QLineEdit*>(), nullptr);
    typeBarValue(gravity->Label1, QStringLiteral("30"), Qt::Key_Enter);
    EXPECT_EQ(session->document.Gravity[0].Power, 30.0f);
}

} // namespace
} // namespace kirabellum::test
