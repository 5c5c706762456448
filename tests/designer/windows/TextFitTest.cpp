// Every text of the designer's windows fits its control.
#include "DesignerFixture.h"

#include "TextFit.h"
#include "windows/render/F_Animation.h"

#include <QCheckBox>

namespace kirabellum {
namespace {

class TextFitTest : public DesignerFixture {};

TEST_F(TextFitTest, EveryTextOfTheWindowsFitsItsControl) {
    windows().openClosedWindows();
    QCoreApplication::processEvents();
    EXPECT_EQ(common::test::clippedTexts(*mainWindow), QStringList());

    // A caption too long for its place is found.
    auto* animation = windows().windowAs<F_Animation>(ToolKind::Animation);
    animation->Check2->setText(QStringLiteral("二倍の大きさで再生する"));
    EXPECT_EQ(common::test::clippedTexts(*mainWindow).size(), 1);
}

} // namespace
} // namespace kirabellum
