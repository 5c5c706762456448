// Every text of the designer's windows fits its control, in either language,
// and the windows these texts size stay clear of the ones beside them.
#include "DesignerFixture.h"

#include "TextFit.h"
#include "common/windows/WindowTranslations.h"
#include "windows/render/F_Animation.h"

#include <QCheckBox>

namespace kirabellum {
namespace {

using common::InterfaceLanguage;

class TextFitTest : public DesignerFixture,
                    public ::testing::WithParamInterface<InterfaceLanguage> {
protected:
    // Every window open, the layer effects window too, laid out.
    void openEveryWindow() {
        windows().openClosedWindows();
        windows().open(ToolKind::Effect);
        QCoreApplication::processEvents();
    }
};

TEST_P(TextFitTest, EveryTextOfTheWindowsFitsItsControl) {
    const common::WindowTranslations translations(GetParam());
    openEveryWindow();
    EXPECT_EQ(common::test::clippedTexts(*mainWindow), QStringList());

    // A caption too long for its place is found.
    auto* animation = windows().windowAs<F_Animation>(ToolKind::Animation);
    animation->Check2->setText(QStringLiteral("二倍の大きさで再生する"));
    EXPECT_EQ(common::test::clippedTexts(*mainWindow).size(), 1);
}

TEST_P(TextFitTest, EveryValueLabelFitsItsBarsEnds) {
    const common::WindowTranslations translations(GetParam());
    openEveryWindow();
    EXPECT_EQ(common::test::clippedTextsAtBarEnds(*mainWindow).join(u'\n').toStdString(), "");
}

TEST_P(TextFitTest, TheLayerEffectsWindowLeavesThePreviewPlayerUncovered) {
    const common::WindowTranslations translations(GetParam());
    openEveryWindow();
    const QRect effects = windows().window(ToolKind::Effect)->parentWidget()->geometry();
    const QRect preview = windows().window(ToolKind::Preview)->parentWidget()->geometry();
    EXPECT_FALSE(effects.intersects(preview)) << effects.right() << " " << preview.left();
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitTest,
                         ::testing::Values(InterfaceLanguage::Japanese,
                                           InterfaceLanguage::English));

} // namespace
} // namespace kirabellum
