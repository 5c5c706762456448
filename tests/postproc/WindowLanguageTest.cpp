// Koratune's windows in either language: every text fits its control, and a
// switch while they are open retranslates them and leaves the images be.
#include "TestImages.h"
#include "TextFit.h"
#include "ToolTips.h"
#include "WindowFixture.h"

#include "common/windows/SheetExportDialog.h"
#include "common/windows/WindowTranslations.h"
#include "windows/Color.h"
#include "windows/Console.h"
#include "windows/Output.h"
#include "windows/Preview.h"
#include "windows/Versionf.h"
#include "windows/Wait.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

#include <functional>

namespace koratune {
namespace {

using common::InterfaceLanguage;

// The texts clipped by more than a pixel: the style rounds its measure of a
// group's title and draws the title whole where it falls a pixel short.
std::string clipped(QStringList texts) {
    static const QRegularExpression shortBy(
        QStringLiteral("^QGroupBox.*needs (\\d+) px, has (\\d+)$"));
    texts.removeIf([](const QString& text) {
        const QRegularExpressionMatch match = shortBy.match(text);
        return match.hasMatch() && match.captured(1).toInt() - match.captured(2).toInt() <= 1;
    });
    return texts.join(u'\n').toStdString();
}

std::string clipped(const QWidget& window) {
    return clipped(common::test::clippedTexts(window));
}

class WindowLanguageTest : public WindowFixture,
                           public testing::WithParamInterface<InterfaceLanguage> {};

TEST_P(WindowLanguageTest, EveryTextOfEveryWindowFitsItsControl) {
    // The windows are up in Japanese; English comes as a switch would bring it.
    const common::WindowTranslations translations(GetParam());
    QCoreApplication::processEvents();
    openImage(numberedFrames(40, 4, 3));
    mainWindow->Version_Click();
    Output output(*session, mainWindow->playbackFrameRate(), mainWindow.get());
    output.show();
    Wait wait(session->images, session->settings);
    wait.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(clipped(*mainWindow), "");
    EXPECT_EQ(clipped(wait), "");
    wait.Command1()->click();

    // The export window, once the output window has composed the frames.
    std::string exportClipped = "not shown";
    std::function<void()> measure = [&] {
        auto* dialog = qobject_cast<common::SheetExportDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            QTimer::singleShot(0, measure);
            return;
        }
        exportClipped = clipped(*dialog);
        dialog->reject();
    };
    QTimer::singleShot(0, measure);
    output.Command2()->click();
    EXPECT_EQ(exportClipped, "");
}

TEST_P(WindowLanguageTest, EveryValueLabelFitsItsBarsEnds) {
    const common::WindowTranslations translations(GetParam());
    openImage(numberedFrames(40, 4, 3));
    QCoreApplication::processEvents();
    EXPECT_EQ(clipped(common::test::clippedTextsAtBarEnds(*mainWindow)), "");
    // The output window's columns run up to the most frames the console takes.
    applyFrameSettings(40, MaximumFrameCount, 1, 0, false, false);
    Output output(*session, mainWindow->playbackFrameRate(), mainWindow.get());
    output.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(clipped(common::test::clippedTextsAtBarEnds(output)), "");
}

TEST_P(WindowLanguageTest, EveryToolbarButtonAndControlSaysWhatItDoes) {
    const common::WindowTranslations translations(GetParam());
    QCoreApplication::processEvents();
    openImage(numberedFrames(40, 4, 3));
    const auto untipped = [](const QWidget& window) {
        return common::test::controlsWithoutTips(window, GetParam()).join(u'\n').toStdString();
    };
    EXPECT_EQ(
        common::test::toolBarActionsWithoutTips(*mainWindow, GetParam()).join(u'\n').toStdString(),
        "");
    for (const QWidget* window : std::initializer_list<const QWidget*>{
             mainWindow->console(), mainWindow->colour(), mainWindow->preview()})
        EXPECT_EQ(untipped(*window), "");
    Output output(*session, mainWindow->playbackFrameRate(), mainWindow.get());
    output.show();
    EXPECT_EQ(untipped(output), "");
    Wait wait(session->images, session->settings);
    wait.show();
    EXPECT_EQ(untipped(wait), "");
    wait.Command1()->click();

    // The export window, once the output window has composed the frames.
    std::string exportUntipped = "not shown";
    std::function<void()> check = [&] {
        auto* dialog = qobject_cast<common::SheetExportDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            QTimer::singleShot(0, check);
            return;
        }
        exportUntipped = untipped(*dialog);
        dialog->reject();
    };
    QTimer::singleShot(0, check);
    output.Command2()->click();
    EXPECT_EQ(exportUntipped, "");
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLanguageTest,
                         testing::Values(InterfaceLanguage::Japanese, InterfaceLanguage::English));

class LanguageSwitchTest : public WindowFixture {};

TEST_F(LanguageSwitchTest, RetranslatesTheOpenWindowsAndKeepsTheirState) {
    common::WindowTranslations translations;
    openImage(numberedFrames(40, 4, 3));
    applyFrameSettings(40, 10, 3, 1, true, false);
    Output output(*session, mainWindow->playbackFrameRate(), mainWindow.get());
    output.show();
    output.HScroll1()->setValue(2);
    Console* console = mainWindow->console();
    const QImage work = session->images.work();

    const struct {
        std::function<QString()> text;
        QString japanese, english;
    } captions[] = {
        {[&] { return mainWindow->menuBar()->actions().constFirst()->text(); },
         QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("&File")},
        {[&] { return console->Label2(0)->text(); }, QStringLiteral("サイズ"),
         QStringLiteral("Size")},
        {[&] { return mainWindow->colour()->Command2()->text(); }, QStringLiteral("デフォルト"),
         QStringLiteral("Default")},
        {[&] { return output.Option1(1)->text(); }, QStringLiteral("連続画像"),
         QStringLiteral("Sequence")},
    };
    for (const InterfaceLanguage language :
         {InterfaceLanguage::English, InterfaceLanguage::Japanese}) {
        translations.setLanguage(language);
        QCoreApplication::processEvents();
        ASSERT_TRUE(translations.installed());
        for (const auto& caption : captions)
            EXPECT_EQ(caption.text(),
                      language == InterfaceLanguage::English ? caption.english : caption.japanese);
        EXPECT_EQ(session->images.work(), work);
        EXPECT_EQ(console->HScroll1(2)->value(), 3);
        EXPECT_TRUE(console->Check3()->isChecked());
        EXPECT_EQ(output.HScroll1()->value(), 2);
        EXPECT_EQ(session->settings.SkipStep, 3);
    }
}

TEST_F(LanguageSwitchTest, TheStatusBarSaysItsLineAgainInTheNewLanguage) {
    common::WindowTranslations translations;
    openImage(numberedFrames(40, 4, 3));
    Color& colour = *mainWindow->colour();
    QObject::connect(&colour, &Color::progressWindowOpened, [](Wait* wait) {
        wait->Timer1()->start(0);
        QObject::connect(wait, &Wait::rowStarted, wait, [wait](int row) {
            if (row == 4)
                wait->Command1()->click();
        });
    });
    colour.HScroll1()->setValue(765);
    colour.Command1()->click();
    const QLabel* status = mainWindow->findChild<QLabel*>(QStringLiteral("StatusBar1"));
    for (const auto& [language, text] :
         {std::pair{InterfaceLanguage::English,
                    QStringLiteral("Colour conversion stopped (5 / 120 rows converted)")},
          std::pair{InterfaceLanguage::Japanese,
                    QStringLiteral("色変換を中止しました（5 / 120 行を変換済み）")}}) {
        translations.setLanguage(language);
        QCoreApplication::processEvents();
        EXPECT_EQ(status->text(), text);
    }
}

} // namespace
} // namespace koratune
