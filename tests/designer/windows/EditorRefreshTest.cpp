#include "DesignerFixture.h"

#include "common/windows/PictureBox.h"
#include "core/document/DesignFile.h"
#include "windows/editors/F_Color.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Gravity.h"
#include "windows/editors/F_Hinoko.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>

namespace kirabellum::test {
namespace {

class EditorRefreshTest : public DesignerFixture {
protected:
    // A design unlike the defaults in every field the editors show.
    DesignDocument unusualDesign() {
        DesignDocument design;
        NewDesign(design);
        for (int number = 1; number <= LayerTotal; ++number) {
            LayerSettings& layer = design.layer(number);
            layer.LayerUse = static_cast<std::uint8_t>(number % 2);
            layer.LayerCount = static_cast<std::int16_t>(100 * number);
            layer.LayerMinSpeed = static_cast<std::uint8_t>(number);
            layer.LayerLife = static_cast<std::uint8_t>(10 * number);
            layer.LayerDecel = static_cast<std::uint8_t>(50 + number);
            layer.LayerX = static_cast<std::int16_t>(40 + number);
            for (int x = 0; x < SparkEdge; ++x)
                design.SparkImage[static_cast<std::size_t>(number - 1)].at(x, number) =
                    common::makeColour(number * 20, 0, 0);
        }
        design.Gravity[0] = {1, 90.0f, 10.0f};
        design.RampLength = 32;
        for (int index = 0; index < 32; ++index)
            design.ColorRamp[static_cast<std::size_t>(index)] =
                common::makeColour(index * 8, 255, 0);
        return design;
    }

    void expectWindowsShow(const DesignDocument& design, int currentLayer) {
        auto* editor = windows().windowAs<F_Editer>(ToolKind::Editer);
        auto* gravity = windows().windowAs<F_Gravity>(ToolKind::Gravity);
        auto* colours = windows().windowAs<F_Color>(ToolKind::Color);
        auto* sparks = windows().windowAs<F_Hinoko>(ToolKind::Hinoko);
        ASSERT_TRUE(editor && gravity && colours && sparks);
        const LayerSettings& layer = design.layer(currentLayer);
        EXPECT_EQ(editor->Label2->text(), QString::number(currentLayer));
        EXPECT_EQ(editor->Command1->text(),
                  layer.LayerUse ? QStringLiteral("Use") : QStringLiteral("Not Use"));
        EXPECT_EQ(editor->Label4->text(), QString::number(layer.LayerCount));
        EXPECT_EQ(editor->Label5->text(), QString::number(layer.LayerMinSpeed));
        EXPECT_EQ(editor->Label6->text(), QString::number(255 - layer.LayerLife));
        EXPECT_EQ(editor->Label3->text(), QString::number(100 - layer.LayerDecel));
        EXPECT_EQ(editor->Picture1->image().pixel(layer.LayerX, 3) & 0xFFFFFF, 0u); // the cross

        const GravityForce& force =
            design.Gravity[static_cast<std::size_t>(gravity->selectedKind())];
        EXPECT_EQ(gravity->Command1->text(),
                  force.Use ? QStringLiteral("Use") : QStringLiteral("Not Use"));
        EXPECT_EQ(gravity->HScroll1->value(), static_cast<int>(force.Power));

        ASSERT_EQ(colours->Picture1.width(), design.RampLength);
        for (int x = 0; x < F_Color::StripWidth; ++x)
            ASSERT_EQ(colours->Picture2->image().pixel(x, 0),
                      common::colourToRgb(design.ColorRamp[static_cast<std::size_t>(
                          x * design.RampLength / F_Color::StripWidth)]));

        const SparkBitmap& spark = design.SparkImage[static_cast<std::size_t>(currentLayer - 1)];
        for (int y = 0; y < SparkEdge; ++y)
            for (int x = 0; x < SparkEdge; ++x)
                ASSERT_EQ(sparks->Picture1->image().pixel(x, y),
                          common::colourToRgb(spark.at(x, y)));
    }
};

TEST_F(EditorRefreshTest, OpenShowsTheDesignInEveryEditorAtTheSelectedLayer) {
    mainWindow->NEW_Click();
    windows().windowAs<F_Editer>(ToolKind::Editer)->HScroll1->setValue(2);
    const DesignDocument design = unusualDesign();
    const QString file = path(QStringLiteral("unusual.df2"));
    ASSERT_TRUE(WriteDesignFile(file, design).ok());
    ASSERT_TRUE(mainWindow->openDesign(file));
    EXPECT_TRUE(session->document.sameDesignAs(design)); // showing it changed nothing
    expectWindowsShow(design, 2);
}

TEST_F(EditorRefreshTest, OpenOpensEveryClosedEditor) {
    ASSERT_EQ(mainWindow->mdiArea()->subWindowList().size(), 0);
    const DesignDocument design = unusualDesign();
    const QString file = path(QStringLiteral("unusual.df2"));
    ASSERT_TRUE(WriteDesignFile(file, design).ok());
    ASSERT_TRUE(mainWindow->openDesign(file));
    EXPECT_EQ(mainWindow->mdiArea()->subWindowList().size(), 6);
    EXPECT_TRUE(session->document.sameDesignAs(design));
    expectWindowsShow(design, 1);
}

TEST_F(EditorRefreshTest, NewAfterALoadedDesignShowsTheDefaults) {
    const QString file = path(QStringLiteral("unusual.df2"));
    ASSERT_TRUE(WriteDesignFile(file, unusualDesign()).ok());
    ASSERT_TRUE(mainWindow->openDesign(file));
    windows().windowAs<F_Editer>(ToolKind::Editer)->HScroll1->setValue(3);
    mainWindow->NEW_Click();
    DesignDocument fresh;
    NewDesign(fresh);
    expectWindowsShow(fresh, 3);
    EXPECT_EQ(windows().windowAs<F_Color>(ToolKind::Color)->Picture1.size(), QSize(16, 1));
}

TEST_F(EditorRefreshTest, WindowsOpenedBeforeAnyRampShowNoRampAndChangeNothing) {
    DesignDocument startUp;
    ApplyDefaults(startUp);
    ASSERT_TRUE(session->document.sameDesignAs(startUp));
    for (ToolKind kind : {ToolKind::Editer, ToolKind::Gravity, ToolKind::Color, ToolKind::Hinoko})
        windows().showAndFocus(kind);
    EXPECT_TRUE(session->document.sameDesignAs(startUp));
    EXPECT_TRUE(windows().windowAs<F_Color>(ToolKind::Color)->Picture1.isNull());
}

} // namespace
} // namespace kirabellum::test
