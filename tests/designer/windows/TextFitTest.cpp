// Every text of the designer's windows fits its control, in either language.
#include "DesignerFixture.h"

#include "TextFit.h"
#include "common/windows/WindowTranslations.h"
#include "windows/render/F_Animation.h"

#include <QCheckBox>

namespace kirabellum {
namespace {

using common::InterfaceLanguage;

class TextFitTest : public DesignerFixture,
                    public ::testing::WithParamInterface<InterfaceLanguage> {};

TEST_P(TextFitTest, EveryTextOfTheWindowsFitsItsControl) {
    const common::WindowTranslations translations(GetParam());
    windows().openClosedWindows();
    windows().open(ToolKind::Effect);
    QCoreApplication::processEvents();
    EXPECT_EQ(common::test::clippedTexts(*mainWindow), QStringList());

    // A caption too long for its place is found.
    auto* animation = windows().windowAs<F_Animation>(ToolKind::Animation);
    animation->Check2->setText(QStringLiteral("二倍の大きさで再生する"));
    EXPECT_EQ(common::test::clippedTexts(*mainWindow).size(), 1);
}

TEST_P(TextFitTest, EveryValueLabelFitsItsBarsEnds) {
    const common::WindowTranslations translations(GetParam());
    windows().openClosedWindows();
    windows().open(ToolKind::Effect);
    QCoreApplication::processEvents();
    EXPECT_EQ(common::test::clippedTextsAtBarEnds(*mainWindow).join(u'\n').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitTest,
                         ::testing::Values(InterfaceLanguage::Japanese,
                                           InterfaceLanguage::English));

} // namespace
} // namespace kirabellum
