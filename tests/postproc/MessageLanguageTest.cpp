#include "WindowFixture.h"

#include "common/windows/SheetExportDialog.h"
#include "common/windows/WindowTranslations.h"

#include <QAction>
#include <QLabel>
#include <QSpinBox>

namespace koratune {
namespace {

class MessageLanguage : public WindowFixture {
protected:
    // Triggers the main window's entry `name`; returns the one warning it gave.
    QString warningOf(const char* name) {
        dialogs.warnings.clear();
        mainWindow->findChild<QAction*>(QString::fromUtf8(name))->trigger();
        return dialogs.warnings.size() == 1 ? dialogs.warnings[0].text : QString();
    }
};

TEST_F(MessageLanguage, AFailedOpenSaysWhyInJapaneseWithTheFileNameAndTheSystemsReason) {
    const QString missing = pathOf(QStringLiteral("missing.bmp"));
    dialogs.openAnswers.push_back(missing);
    const QString english = warningOf("Open");
    const QString context =
        QStringLiteral("画像を開けませんでした。\n\nCannot read the picture \"%1\": ").arg(missing);
    ASSERT_TRUE(english.startsWith(context)) << english.toStdString();
    const QString reason = english.mid(context.size());
    ASSERT_FALSE(reason.isEmpty());

    const common::WindowTranslations translations;
    ASSERT_TRUE(translations.installed());
    dialogs.openAnswers.push_back(missing);
    // The system's reason comes in Japanese too where Qt's translations have it.
    const QString japanese = warningOf("Open");
    const QString japaneseContext =
        QStringLiteral("画像を開けませんでした。\n\n画像「%1」を読み込めません: ").arg(missing);
    ASSERT_TRUE(japanese.startsWith(japaneseContext)) << japanese.toStdString();
    EXPECT_FALSE(japanese.mid(japaneseContext.size()).isEmpty());
    EXPECT_TRUE(warningOf("uni").startsWith(QStringLiteral("画像がまだ開かれていません。")));
}

TEST_F(MessageLanguage, TheExportWindowNamesItsOwnControlInALayoutItCannotMake) {
    const common::WindowTranslations translations;
    common::SheetExportSource source;
    source.frames.image = QImage(128 * 16, 128, QImage::Format_RGB32);
    source.frames.grid = common::FrameGrid(128, 16);
    source.frames.frameCount = 16;
    source.frameSize = 128;
    source.columns = 16;
    common::SheetExportDialog dialog(source, dialogs);
    dialog.maxSizeBox()->setValue(400);
    EXPECT_EQ(dialog.problemLabel()->text(),
              QStringLiteral("最大サイズ 400 px には 128 x 128 ピクセルのフレーム 16 "
                             "枚のシートが収まりません。収まる最小のサイズは 512 です"));
    dialog.paddingBox()->setValue(2);
    EXPECT_TRUE(dialog.problemLabel()->text().contains(QStringLiteral("のシート（余白 2 px）が")))
        << dialog.problemLabel()->text().toStdString();
}

} // namespace
} // namespace koratune
