// Switching the language retranslates the open windows and changes nothing else.
#include "DesignerFixture.h"

#include "TextFit.h"
#include "ToolTips.h"
#include "common/InterfaceLanguage.h"
#include "common/windows/LanguageMenu.h"
#include "common/windows/PictureBox.h"
#include "common/windows/WindowTranslations.h"
#include "core/document/DesignFormat.h"
#include "windows/editors/F_Color.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Gravity.h"
#include "windows/editors/Syousai.h"
#include "windows/render/F_Animation.h"
#include "windows/render/Wait.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>

namespace kirabellum {
namespace {

using common::InterfaceLanguage;

class LanguageSwitchTest : public DesignerFixture {
protected:
    // The design as its file holds it.
    QByteArray designBytes() {
        const QString file = path("design.df2");
        EXPECT_TRUE(DesignFormat::of(DesignFormat::Version12).write(file, session->document).ok());
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        return in.readAll();
    }
};

// Qt's own texts, such as the file dialog's question before a file is
// replaced, and the untitled design's title follow the chosen language.
TEST_F(LanguageSwitchTest, QtsOwnTextsAndTheUntitledTitleFollowTheLanguage) {
    common::WindowTranslations translations;
    const struct {
        InterfaceLanguage language;
        const char* replaceQuestion;
        const char* title;
    } cases[] = {
        {InterfaceLanguage::English, "%1 already exists.\nDo you want to replace it?",
         "Kirabellum v1.22 - Untitled"},
        {InterfaceLanguage::Japanese, "%1 は既に存在します。\n置き換えますか?",
         "Kirabellum v1.22 - 無題"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(common::languageName(c.language).toStdString());
        translations.setLanguage(c.language);
        QCoreApplication::processEvents(); // the windows are told of the change
        EXPECT_EQ(QCoreApplication::translate("QFileDialog",
                                              "%1 already exists.\nDo you want to replace it?"),
                  QString::fromUtf8(c.replaceQuestion));
        EXPECT_EQ(mainWindow->windowTitle(), QString::fromUtf8(c.title));
    }
}

TEST_F(LanguageSwitchTest, OpenWindowsTakeTheNewLanguageAndKeepTheDesign) {
    mainWindow->NEW_Click();
    windows().open(ToolKind::Effect);
    auto* editor = windows().windowAs<F_Editer>(ToolKind::Editer);
    auto* gravity = windows().windowAs<F_Gravity>(ToolKind::Gravity);
    auto* animation = windows().windowAs<F_Animation>(ToolKind::Animation);
    auto* colours = windows().windowAs<F_Color>(ToolKind::Color);
    editor->Command1->click(); // the layer is used
    animation->LoopCheck->click();
    const QByteArray design = designBytes();
    const QImage ramp = colours->Picture2->image();
    const int frameCount = animation->HScroll1[1]->value();
    const QString use = editor->Command1->text();

    common::WindowTranslations translations;
    const struct {
        InterfaceLanguage language;
        const char* file;
        const char* tab;
        const char* group;
        const char* firstSample;
    } cases[] = {
        {InterfaceLanguage::English, "&File", "Motion", "Loop and seed", "Chrysanthemum"},
        {InterfaceLanguage::Japanese, "ﾌｧｲﾙ(&F)", "モーション", "ループとシード", "菊"},
    };
    for (const auto& expected : cases) {
        translations.setLanguage(expected.language);
        // The windows are told of the change, then lay their new texts out.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_EQ(mainWindow->FILE->title(), QString::fromUtf8(expected.file));
        EXPECT_EQ(mainWindow->SAMPLES->actions().front()->text(),
                  QString::fromUtf8(expected.firstSample));
        EXPECT_EQ(editor->TabStrip1->tabText(1), QString::fromUtf8(expected.tab));
        EXPECT_EQ(editor->Command1->text(), use);
        EXPECT_EQ(animation->Frame3->title(), QString::fromUtf8(expected.group));
        EXPECT_EQ(gravity->windowTitle(), QStringLiteral("Gravity"));
        // The windows keep their sizes, and every text still fits them.
        EXPECT_EQ(common::test::clippedTexts(*mainWindow).join(QLatin1Char('\n')).toStdString(),
                  "");
        EXPECT_EQ(designBytes(), design);
        EXPECT_EQ(colours->Picture2->image(), ramp);
        EXPECT_TRUE(animation->LoopCheck->isChecked());
        EXPECT_EQ(animation->HScroll1[1]->value(), frameCount);
        EXPECT_TRUE(session->history.isModified());
    }
}

TEST_F(LanguageSwitchTest, TheViewMenusLanguageEntrySwitchesAndKeepsTheChoiceForTheNextStart) {
    common::WindowTranslations translations;
    common::addLanguageMenu(*mainWindow->VIEW, translations);
    auto* english = mainWindow->findChild<QAction*>(QStringLiteral("LANGUAGE_en"));
    auto* japanese = mainWindow->findChild<QAction*>(QStringLiteral("LANGUAGE_ja"));
    ASSERT_NE(english, nullptr);
    ASSERT_NE(japanese, nullptr);
    EXPECT_TRUE(japanese->isChecked());

    english->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(translations.language(), InterfaceLanguage::English);
    EXPECT_EQ(common::savedInterfaceLanguage(), InterfaceLanguage::English);
    EXPECT_EQ(mainWindow->FILE->title(), QStringLiteral("&File"));
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(japanese->isChecked());

    japanese->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(common::savedInterfaceLanguage(), InterfaceLanguage::Japanese);
    EXPECT_EQ(mainWindow->FILE->title(), QStringLiteral("ﾌｧｲﾙ(&F)"));
}

TEST_F(LanguageSwitchTest, EveryToolbarButtonAndControlSaysWhatItDoesInEitherLanguage) {
    windows().openClosedWindows();
    windows().open(ToolKind::Effect);
    Syousai burst(*session, windows(), mainWindow.get());
    burst.show();
    const auto untipped = [](const QWidget& window, InterfaceLanguage language) {
        return common::test::controlsWithoutTips(window, language).join(u'\n').toStdString();
    };
    common::WindowTranslations translations;
    for (const InterfaceLanguage language :
         {InterfaceLanguage::English, InterfaceLanguage::Japanese}) {
        translations.setLanguage(language);
        QCoreApplication::processEvents();
        EXPECT_EQ(common::test::toolBarActionsWithoutTips(*mainWindow, language)
                      .join(u'\n')
                      .toStdString(),
                  "");
        for (const ToolKind kind :
             {ToolKind::Editer, ToolKind::Gravity, ToolKind::Color, ToolKind::Hinoko,
              ToolKind::Animation, ToolKind::Preview, ToolKind::Effect})
            EXPECT_EQ(untipped(*windows().window(kind), language), "");
        EXPECT_EQ(untipped(burst, language), "");
        // The render window, shown and cancelled before its render begins.
        Wait wait(*session, mainWindow.get());
        wait.show();
        EXPECT_EQ(untipped(wait, language), "");
        wait.Command1->click();
    }
}

} // namespace
} // namespace kirabellum
