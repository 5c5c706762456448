#include "common/windows/FramePreview.h"
#include "common/windows/SceneBox.h"

#include "common/windows/EngineView.h"

#include "FakeDialogs.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(FramePreview, APictureSceneComesThroughTheDialogsAndSceneAndBlendAreRememberedPerProgram) {
    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("scene.png"));
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(picture.save(picturePath));
    test::FakeDialogs dialogs;
    {
        FramePreview preview(QStringLiteral("first"), dialogs);
        EXPECT_EQ(preview.picture()->scene().kind, SceneKind::Black) << "black until chosen";
        preview.sceneBox()->choose(SceneBox::Checkerboard);
        // Cancelled, or a file that is no picture: the scene stays as it was.
        preview.sceneBox()->choose(SceneBox::Picture);
        dialogs.openAnswers.push_back(folder.filePath(QStringLiteral("missing.png")));
        preview.sceneBox()->choose(SceneBox::Picture);
        EXPECT_EQ(dialogs.warnings.size(), 1u);
        EXPECT_EQ(preview.picture()->scene().kind, SceneKind::Checkerboard);
        EXPECT_EQ(preview.sceneBox()->currentIndex(), SceneBox::Checkerboard);
        dialogs.openAnswers.push_back(picturePath);
        preview.sceneBox()->choose(SceneBox::Picture);
        preview.blendBox()->setCurrentIndex(static_cast<int>(AlphaMode::Premultiplied));
    }
    const struct {
        const char* program;
        SceneKind scene;
        AlphaMode blend;
    } cases[] = {{"first", SceneKind::Picture, AlphaMode::Premultiplied},
                 {"second", SceneKind::Black, AlphaMode::Additive}};
    for (const auto& c : cases) {
        const FramePreview preview(QString::fromLatin1(c.program), dialogs);
        EXPECT_EQ(preview.picture()->scene().kind, c.scene) << c.program;
        EXPECT_EQ(preview.picture()->blend(), c.blend) << c.program;
        EXPECT_EQ(preview.sceneBox()->currentIndex(), static_cast<int>(c.scene)) << c.program;
    }
    const FramePreview again(QStringLiteral("first"), dialogs);
    EXPECT_EQ(again.picture()->scene().picture, picture);
}

} // namespace
} // namespace common
