// The layer effects window: opened from the particle editor, it follows the
// current layer, and each of its controls changes that layer in one undo step.
#include "DesignerFixture.h"

#include "core/editing/LayerRamps.h"
#include "core/editing/RampLibrary.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Effect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>

#include <functional>

namespace kirabellum::test {
namespace {

class LayerEffectsWindowTest : public DesignerFixture {
protected:
    LayerEffectsWindowTest() {
        mainWindow->NEW_Click();
        applyBuiltInRamp(session->document, 1);
        session->history.startAfresh();
        editor = open<F_Editer>(ToolKind::Editer);
        QTest::mouseClick(editor->Command5, Qt::LeftButton);
        effects = windows().windowAs<F_Effect>(ToolKind::Effect);
    }
    void SetUp() override {
        DesignerFixture::SetUp();
        ASSERT_NE(effects, nullptr);
    }
    LayerSettings& layer(int number) { return session->document.layer(number); }
    void selectLayer(int number) { editor->HScroll1->setValue(number); }
    // A click on a check box's or an option's box, which takes clicks on itself
    // and its text only.
    static void clickIndicator(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    // The parents the window offers, in its list.
    std::vector<int> offeredParents() const {
        const auto* items = static_cast<QStandardItemModel*>(effects->Combo1->model());
        std::vector<int> parents;
        for (int parent = 1; parent <= LayerTotal; ++parent)
            if (items->item(parent)->isEnabled())
                parents.push_back(parent);
        return parents;
    }

    F_Editer* editor = nullptr;
    F_Effect* effects = nullptr;
};

TEST_F(LayerEffectsWindowTest, OpensFromTheParticleEditorWithACaptionOfItsOwn) {
    EXPECT_EQ(effects->windowTitle(), QStringLiteral("レイヤー効果"));
    EXPECT_EQ(editor->Command5->text(), QStringLiteral("レイヤー効果"));
    EXPECT_EQ(effects->Combo1->currentIndex(), 0);
    EXPECT_FALSE(effects->HScroll2->isEnabled());
    EXPECT_FALSE(effects->HScroll3->isEnabled());
}

TEST_F(LayerEffectsWindowTest, EachControlChangesTheCurrentLayerInOneNamedUndoStep) {
    selectLayer(2);
    const std::vector<common::Colour> ownRamp = [this] {
        std::vector<common::Colour> ramp = designRamp(session->document);
        ramp.front() = 0;
        return ramp;
    }();
    const struct {
        const char* name; // the Edit menu's name of the step
        std::function<void()> act;
        std::function<bool(const LayerSettings&)> done;
    } steps[] = {
        {"親レイヤー", [&] { QTest::keyClick(effects->Combo1, Qt::Key_Down); },
         [](const LayerSettings& l) { return l.Trigger == LayerTrigger{1}; }},
        {"年齢で", [&] { clickIndicator(effects->Option1[1]); },
         [](const LayerSettings& l) { return l.Trigger->When == TriggerMoment::Age; }},
        {"年齢", [&] { clickArrow(effects->HScroll1, true); },
         [](const LayerSettings& l) { return l.Trigger->Age == 2; }},
        {"分裂する", [&] { clickIndicator(effects->Check1); },
         [](const LayerSettings& l) { return l.Trigger->Split; }},
        {"速度の継承", [&] { clickArrow(effects->HScroll2, true); },
         [](const LayerSettings& l) { return l.Trigger->Inherit == 1; }},
        {"消えたとき", [&] { clickIndicator(effects->Option1[0]); },
         // Age and Split belong to a trigger at an age only.
         [](const LayerSettings& l) {
             return l.Trigger == LayerTrigger{1, TriggerMoment::Death, 1, false, 1};
         }},
        {"尾を引く", [&] { clickIndicator(effects->Check2); },
         [](const LayerSettings& l) { return l.Trail == LayerTrail{}; }},
        {"段数", [&] { clickArrow(effects->HScroll3, true); },
         [](const LayerSettings& l) { return l.Trail->Steps == 2; }},
        {"明るさ", [&] { clickArrow(effects->HScroll4, false); },
         [](const LayerSettings& l) { return l.Trail->Fade == 49; }},
        {"専用のランプ", [&] { clickIndicator(effects->Option2[1]); },
         [&](const LayerSettings& l) { return l.Ramp == ownRamp; }},
        {"デザインのランプ", [&] { clickIndicator(effects->Option2[0]); },
         [](const LayerSettings& l) { return l.Ramp.empty(); }},
        {"尾を引く", [&] { clickIndicator(effects->Check2); },
         [](const LayerSettings& l) { return !l.Trail; }},
    };
    for (const auto& step : steps) {
        const DesignDocument before = session->document;
        const int count = session->history.stepCount();
        step.act();
        EXPECT_TRUE(step.done(layer(2))) << step.name;
        EXPECT_EQ(session->history.stepCount(), count + 1) << step.name;
        EXPECT_EQ(session->history.undoName().text(), QString::fromUtf8(step.name));
        EXPECT_TRUE(session->history.isModified());
        EXPECT_EQ(layer(1), before.layer(1)) << step.name;
        // Undone, the design and the window are as before; redone, as after.
        const DesignDocument after = session->document;
        session->history.undo();
        EXPECT_TRUE(session->document.sameDesignAs(before)) << step.name;
        session->history.redo();
        EXPECT_TRUE(session->document.sameDesignAs(after)) << step.name;
    }
    // Back to no parent: the trigger goes.
    effects->Combo1->setCurrentIndex(0);
    EXPECT_FALSE(layer(2).Trigger);
}

TEST_F(LayerEffectsWindowTest, OffersNoParentThatWouldMakeACycle) {
    // Layer 1 bursts from layer 2, which bursts from layer 3.
    layer(1).Trigger = LayerTrigger{2};
    layer(2).Trigger = LayerTrigger{3};
    const struct {
        int current;
        std::vector<int> offered;
    } cases[] = {
        {3, {4, 5, 6, 7, 8}},
        {2, {3, 4, 5, 6, 7, 8}},
        {1, {2, 3, 4, 5, 6, 7, 8}},
        {5, {1, 2, 3, 4, 6, 7, 8}},
    };
    for (const auto& each : cases) {
        selectLayer(each.current);
        EXPECT_EQ(offeredParents(), each.offered) << each.current;
    }
}

TEST_F(LayerEffectsWindowTest, FollowsTheParticleEditorsLayer) {
    layer(4).Trigger = LayerTrigger{2, TriggerMoment::Age, 30, true, 60};
    layer(4).Trail = LayerTrail{3, 70};
    giveLayerOwnRamp(session->document, 4);
    selectLayer(4);
    EXPECT_EQ(effects->Label1->text(), QStringLiteral("レイヤー4"));
    EXPECT_EQ(effects->Combo1->currentIndex(), 2);
    EXPECT_TRUE(effects->Option1[1]->isChecked());
    EXPECT_EQ(effects->Label3->text(), QStringLiteral("30"));
    EXPECT_TRUE(effects->Check1->isChecked());
    EXPECT_EQ(effects->Label4->text(), QStringLiteral("60"));
    EXPECT_TRUE(effects->Check2->isChecked());
    EXPECT_EQ(effects->Label6->text(), QStringLiteral("3"));
    EXPECT_EQ(effects->Label7->text(), QStringLiteral("70"));
    EXPECT_TRUE(effects->Option2[1]->isChecked());

    const DesignDocument shown = session->document;
    selectLayer(5); // showing another layer changes nothing
    EXPECT_EQ(effects->Combo1->currentIndex(), 0);
    EXPECT_FALSE(effects->Check2->isChecked());
    EXPECT_TRUE(effects->Option2[0]->isChecked());
    EXPECT_TRUE(session->document.sameDesignAs(shown));
}

} // namespace
} // namespace kirabellum::test
