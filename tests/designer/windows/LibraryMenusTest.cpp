// The built-in shapes, ramps and sparks the editors offer: each choice changes
// the design as an edit by hand would, shows at once, and is one undo step.
#include "DesignerFixture.h"

#include "common/windows/PictureBox.h"
#include "core/editing/LayerRamps.h"
#include "core/editing/RampLibrary.h"
#include "core/editing/ShapePresets.h"
#include "core/editing/SparkLibrary.h"
#include "core/render/RenderRun.h"
#include "windows/editors/F_Color.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Hinoko.h"

#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>

namespace kirabellum::test {
namespace {

class LibraryMenusTest : public DesignerFixture {
protected:
    LibraryMenusTest() {
        mainWindow->NEW_Click();
        editor = open<F_Editer>(ToolKind::Editer);
        colours = open<F_Color>(ToolKind::Color);
        sparks = open<F_Hinoko>(ToolKind::Hinoko);
    }
    // Chooses the menu entry of that name under the button.
    static void choose(QToolButton* button, const QString& name) {
        for (QAction* action : button->menu()->actions())
            if (action->text() == name) {
                action->trigger();
                return;
            }
        ADD_FAILURE() << "no entry " << name.toStdString();
    }

    F_Editer* editor = nullptr;
    F_Color* colours = nullptr;
    F_Hinoko* sparks = nullptr;
};

TEST_F(LibraryMenusTest, AShapePresetSetsTheCurrentLayerAndShowsItInTheMotionTab) {
    editor->HScroll1->setValue(2);
    const DesignDocument before = session->document;
    choose(editor->Command4, QStringLiteral("ハート"));

    EXPECT_EQ(session->document.layer(2).LayerShape, presetShape(ShapePreset::Heart, 0));
    EXPECT_EQ(session->document.layer(1), before.layer(1));
    EXPECT_EQ(editor->selectedTab(), F_Editer::MotionTab);
    // The spoke straight down from the centre (80, 80) reaches 48.
    EXPECT_EQ(editor->Picture1->image().pixel(80, 80 + 40) & 0xFFFFFF, 0xFF0000u);

    choose(editor->Command4, QStringLiteral("輪"));
    EXPECT_EQ(editor->Label5->text(), QStringLiteral("8")); // a ring needs speed
    session->history.undo();
    session->history.undo();
    EXPECT_TRUE(session->document.sameDesignAs(before));
    EXPECT_EQ(editor->Label5->text(), QStringLiteral("0"));
}

TEST_F(LibraryMenusTest, ABuiltInRampReplacesTheRampAsALoadWould) {
    const DesignDocument before = session->document;
    choose(colours->Command3, builtInRamps()[3].name);

    DesignDocument expected = before;
    applyBuiltInRamp(expected, 3);
    EXPECT_TRUE(session->document.sameDesignAs(expected));
    ASSERT_EQ(colours->Picture1.width(), BuiltInRampLength);
    EXPECT_EQ(colours->Picture2->image().pixel(F_Color::StripWidth - 1, 0) & 0xFFFFFF,
              common::colourToRgb(expected.ColorRamp[BuiltInRampLength - 1]) & 0xFFFFFF);

    session->history.undo();
    EXPECT_TRUE(session->document.sameDesignAs(before));
    EXPECT_EQ(colours->Picture1.width(), 16);
}

TEST_F(LibraryMenusTest, ABuiltInSparkOnANewDesignBringsARampAndRenders) {
    editor->HScroll1->setValue(3);
    const DesignDocument before = session->document;
    choose(sparks->Command3, builtInSparks()[0].name);

    DesignDocument expected = before;
    applyBuiltInSpark(expected, 2, 0);
    EXPECT_TRUE(session->document.sameDesignAs(expected));
    EXPECT_EQ(colours->Picture1.width(), BuiltInRampLength); // the colour editor shows the ramp
    EXPECT_EQ(sparks->Picture1->image().pixel(15, 15) & 0xFFFFFF,
              common::colourToRgb(expected.ColorRamp[BuiltInRampLength - 1]) & 0xFFFFFF);

    DesignDocument design = session->document;
    design.layer(3).LayerUse = 1;
    RandomSource random(0);
    RenderRun run(random);
    EXPECT_TRUE(run.PrepareRender(design).ok());

    session->history.undo(); // the spark and the ramp it brought, at once
    EXPECT_TRUE(session->document.sameDesignAs(before));
}

TEST_F(LibraryMenusTest, ABuiltInSparkIsPaintedInTheLayersOwnRamp) {
    applyBuiltInRamp(session->document, 0);
    applyBuiltInLayerRamp(session->document, 3, 2);
    editor->HScroll1->setValue(3);
    const DesignDocument before = session->document;
    choose(sparks->Command3, builtInSparks()[0].name);

    const std::vector<common::Colour>& own = session->document.layer(3).Ramp;
    const SparkBitmap& spark = session->document.SparkImage[2];
    for (const common::Colour colour : spark.pixels)
        ASSERT_NE(std::find(own.begin(), own.end(), colour), own.end()) << colour;
    EXPECT_EQ(sparks->Picture1->image().pixel(15, 15) & 0xFFFFFF,
              common::colourToRgb(own.back()) & 0xFFFFFF);
    EXPECT_EQ(designRamp(session->document), designRamp(before));
    EXPECT_EQ(own, before.layer(3).Ramp);
}

} // namespace
} // namespace kirabellum::test
