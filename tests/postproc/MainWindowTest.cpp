#include "TestImages.h"
#include "WindowFixture.h"

#include "common/FileNames.h"
#include "common/sheets/SheetFiles.h"
#include "common/windows/EngineView.h"
#include "common/windows/WidgetDialogs.h"
#include "windows/Color.h"
#include "windows/Console.h"
#include "windows/Preview.h"
#include "windows/Versionf.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <vector>

namespace koratune {
namespace {

using MainWindow = WindowFixture;

QAction* entry(MDIForm1& window, const char* name) {
    return window.findChild<QAction*>(QString::fromUtf8(name));
}

QMdiSubWindow* subWindowOf(QWidget* content) {
    return qobject_cast<QMdiSubWindow*>(content->parentWidget());
}

TEST_F(MainWindow, CaptionAndStatusBar) {
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Koratune v1.1"));
    const auto* ready = mainWindow->statusBar()->findChild<QLabel*>(QStringLiteral("StatusBar1"));
    ASSERT_NE(ready, nullptr);
    EXPECT_EQ(ready->text(), QStringLiteral("Ready"));
}

TEST_F(MainWindow, MenuTreeWithCaptionsAndShortcuts) {
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
    } expected[] = {
        {"Open", "画像を開く(&O)", "Ctrl+O"},
        {"uni", "画像を合成(&U)", "Ctrl+U"},
        {"haifun2", "", ""},
        {"Save", "出力(&O)", "Ctrl+S"},
        {"haifun", "", ""},
        {"end", "終了(&E)", ""},
        {"ConsV", "Console(&C)", ""},
        {"ColorV", "ColorTranceform(&H)", ""},
        {"PreV", "Preview(&P)", ""},
        {"Version", "バージョン情報(&A)", ""},
    };
    const QList<QAction*> titles = mainWindow->menuBar()->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(titles[0]->menu()->objectName(), QStringLiteral("File"));
    EXPECT_EQ(titles[1]->text(), QStringLiteral("表示(&V)"));
    EXPECT_EQ(titles[1]->menu()->objectName(), QStringLiteral("view"));

    std::vector<QAction*> entries;
    for (QAction* title : titles) {
        for (QAction* action : title->menu()->actions())
            entries.push_back(action);
    }
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const auto& e = expected[index];
        EXPECT_EQ(entries[index]->objectName(), QString::fromUtf8(e.name));
        EXPECT_EQ(entries[index]->isSeparator(), *e.caption == '\0') << e.name;
        EXPECT_EQ(entries[index]->text(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ(entries[index]->shortcut(), QKeySequence(QString::fromUtf8(e.shortcut)))
            << e.name;
    }
}

TEST_F(MainWindow, ToolWindowsOpenAtLoadInOrderAtTheirPlaces) {
    const QList<QMdiSubWindow*> windows = mainWindow->mdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 3);
    EXPECT_EQ(windows[0]->widget(), mainWindow->preview());
    EXPECT_EQ(windows[1]->widget(), mainWindow->console());
    EXPECT_EQ(windows[2]->widget(), mainWindow->colour());

    // 100 twips are 6.67 pixels, 200 twips 13.33: 7 and 13 pixels.
    const QMdiSubWindow* console = subWindowOf(mainWindow->console());
    const QMdiSubWindow* colour = subWindowOf(mainWindow->colour());
    const QMdiSubWindow* preview = subWindowOf(mainWindow->preview());
    EXPECT_EQ(console->pos(), QPoint(7, 7));
    EXPECT_EQ(colour->pos(), QPoint(7, console->height() + 13));
    EXPECT_EQ(preview->pos(), QPoint(colour->width() + 13, 7));
    // Below the console and to the right of the colour window, nothing overlaps.
    EXPECT_FALSE(console->geometry().intersects(colour->geometry()));
    EXPECT_FALSE(preview->geometry().intersects(colour->geometry()));
    EXPECT_FALSE(preview->geometry().intersects(console->geometry()));
    // The main window shows them whole.
    for (const QMdiSubWindow* window : windows)
        EXPECT_TRUE(mainWindow->mdiArea()->viewport()->rect().contains(window->geometry()));

    for (const QMdiSubWindow* window : windows) {
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(windows[0]->widget()->windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(windows[1]->widget()->windowTitle(), QStringLiteral("Console"));
    EXPECT_EQ(windows[2]->widget()->windowTitle(), QStringLiteral("ColorTranceform"));
    EXPECT_EQ(mainWindow->preview()->Picture1()->image().size(), QSize(160, 160));
}

TEST_F(MainWindow, ViewEntriesCarryCheckMarksWhileTheirWindowsAreOpen) {
    QAction* consV = entry(*mainWindow, "ConsV");
    QAction* colorV = entry(*mainWindow, "ColorV");
    QAction* preV = entry(*mainWindow, "PreV");
    EXPECT_TRUE(consV->isChecked());
    EXPECT_TRUE(colorV->isChecked());
    EXPECT_TRUE(preV->isChecked());
    for (QWidget* window : {static_cast<QWidget*>(mainWindow->console()),
                            static_cast<QWidget*>(mainWindow->preview())}) {
        // The title bar shows a close button only with the system menu.
        const Qt::WindowFlags flags = subWindowOf(window)->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint) &&
                    flags.testFlag(Qt::WindowSystemMenuHint));
    }

    subWindowOf(mainWindow->console())->close();
    subWindowOf(mainWindow->preview())->close();
    subWindowOf(mainWindow->colour())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(mainWindow->console(), nullptr);
    EXPECT_EQ(mainWindow->preview(), nullptr);
    EXPECT_FALSE(consV->isChecked());
    EXPECT_FALSE(preV->isChecked());
    EXPECT_TRUE(colorV->isChecked()) << "the colour entry keeps its mark";
    EXPECT_TRUE(mainWindow->mdiArea()->subWindowList().isEmpty());

    consV->trigger();
    ASSERT_NE(mainWindow->console(), nullptr);
    EXPECT_TRUE(consV->isChecked());
    EXPECT_EQ(subWindowOf(mainWindow->console())->pos(), QPoint(7, 7));
    EXPECT_EQ(mainWindow->mdiArea()->activeSubWindow(), subWindowOf(mainWindow->console()));

    // Choosing an open window's entry brings it to the front without a second copy.
    preV->trigger();
    preV->trigger();
    EXPECT_TRUE(preV->isChecked());
    colorV->trigger();
    colorV->trigger();
    EXPECT_TRUE(colorV->isChecked());
    EXPECT_EQ(mainWindow->mdiArea()->subWindowList().size(), 3);
    EXPECT_EQ(mainWindow->mdiArea()->activeSubWindow(), subWindowOf(mainWindow->colour()));
}

TEST_F(MainWindow, ToolbarButtonsActAsTheViewEntries) {
    const auto* toolbar = mainWindow->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    ASSERT_NE(toolbar, nullptr);
    ASSERT_EQ(toolbar->actions().size(), 3);
    for (const QAction* button : toolbar->actions()) {
        const QPixmap image = button->icon().pixmap(QSize(32, 32));
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_FALSE(image.toImage().allGray()) << "an image is drawn";
    }

    subWindowOf(mainWindow->console())->close();
    subWindowOf(mainWindow->preview())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int index : {0, 4, -1})
        mainWindow->Toolbar1_ButtonClick(index);
    EXPECT_EQ(mainWindow->console(), nullptr);
    EXPECT_EQ(mainWindow->preview(), nullptr);

    toolbar->actions()[0]->trigger();
    EXPECT_NE(mainWindow->console(), nullptr);
    toolbar->actions()[2]->trigger();
    EXPECT_NE(mainWindow->preview(), nullptr);
    toolbar->actions()[1]->trigger();
    EXPECT_EQ(mainWindow->mdiArea()->activeSubWindow(), subWindowOf(mainWindow->colour()));
}

TEST_F(MainWindow, OpenLoadsTheWorkAndBaseImagesAndShowsTheTopLeftCorner) {
    const QImage strip = numberedFrames(160, 4, 3);
    openImage(strip);
    const QStringList filters =
        common::WidgetDialogs::qtFilters(dialogs.openQuestions.back().filters);
    ASSERT_EQ(filters.size(), 3);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("All pictures(")));
    EXPECT_TRUE(filters[0].contains(QStringLiteral("*.bmp")));
    EXPECT_TRUE(filters[0].contains(QStringLiteral("*.png")));
    EXPECT_EQ(filters.mid(1), (QStringList{QStringLiteral("Bitmap File(*.bmp)"),
                                           QStringLiteral("PNG File(*.png)")}));
    EXPECT_EQ(session->images.work(), strip);
    EXPECT_EQ(session->images.base(), strip);
    const common::PictureBox* picture = mainWindow->preview()->Picture1();
    EXPECT_EQ(picture->image(), strip.copy(0, 0, 160, 160));
    EXPECT_EQ(picture->backgroundColour(), strip.pixel(0, 0));
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(MainWindow, OpenSetsTheConsoleFromWhatAPictureSaysOfItsFrames) {
    const QImage strip = numberedFrames(40, 4, 3);
    const auto writeSheetAs = [&](const char* name, int frameCount, int framesPerSecond,
                                  std::vector<common::MetadataFormat> metadata) {
        const QString path = pathOf(QString::fromUtf8(name));
        const common::SheetGrid grid(frameCount, 40, 4, 0, false);
        EXPECT_TRUE(
            common::writeSheet(path, strip,
                               common::SheetDescription::of(
                                   path, grid, common::AlphaMode::Additive, framesPerSecond, false,
                                   QStringLiteral("Kirabellum"), QStringLiteral("1.22")),
                               metadata)
                .ok());
        return path;
    };
    const struct {
        QString path;
        int frameSize, frameCount, refreshRateOption;
        QString status;
    } cases[] = {
        // Text chunks in the PNG; the 30 fps option.
        {writeSheetAs("chunks.png", 9, 30, {}), 40, 9, 2,
         QStringLiteral("画像のフレーム設定を読み込みました（40x40、9 フレーム、30 fps）")},
        // A bitmap with the JSON metadata beside it; 24 fps is nearest to 20.
        {writeSheetAs("beside.bmp", 11, 24, {common::MetadataFormat::JsonHash}), 40, 11, 3,
         QStringLiteral("画像のフレーム設定を読み込みました（40x40、11 フレーム、24 fps）")},
        // A picture that says nothing keeps the values as they were.
        {writeBitmap(QStringLiteral("plain.bmp"), strip), 40, 11, 3,
         QStringLiteral("画像のフレーム設定を読み込みました（40x40、11 フレーム、24 fps）")},
    };
    mainWindow->console()->close();
    for (const auto& c : cases) {
        dialogs.openAnswers.push_back(c.path);
        entry(*mainWindow, "Open")->trigger();
        const Console* console = mainWindow->console();
        ASSERT_NE(console, nullptr) << "opened to show the values";
        EXPECT_EQ(console->HScroll1(0)->value(), c.frameSize);
        EXPECT_EQ(console->HScroll1(1)->value(), c.frameCount);
        EXPECT_TRUE(console->Option1(c.refreshRateOption)->isChecked());
        EXPECT_EQ(session->settings.FrameSize, c.frameSize) << "applied";
        EXPECT_EQ(session->settings.FrameCount, c.frameCount);
        EXPECT_EQ(mainWindow->findChild<QLabel*>(QStringLiteral("StatusBar1"))->text(), c.status);
    }
}

TEST_F(MainWindow, OpeningASmallImageShowsItOnItsBackground) {
    QImage small = filledImage(100, 50, qRgb(10, 20, 30));
    small.setPixel(99, 49, qRgb(200, 0, 0));
    openImage(small);
    const QImage& shown = mainWindow->preview()->Picture1()->image();
    EXPECT_EQ(shown.pixel(99, 49), qRgb(200, 0, 0));
    EXPECT_TRUE(blockIs(shown, QRect(100, 0, 60, 160), qRgb(10, 20, 30)));
    EXPECT_TRUE(blockIs(shown, QRect(0, 50, 160, 110), qRgb(10, 20, 30)));
}

TEST_F(MainWindow, CancelOrAFailedOpenChangesNothing) {
    const QImage strip = numberedFrames(160, 4, 1);
    openImage(strip);
    const QImage shown = mainWindow->preview()->Picture1()->image();

    QFile damaged(pathOf(QStringLiteral("damaged.bmp")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM this is no bitmap");
    damaged.close();

    const struct {
        QString answer;
        bool warned;
    } cases[] = {
        {QString(), false},
        {pathOf(QStringLiteral("missing.bmp")), true},
        {damaged.fileName(), true},
    };
    for (const auto& c : cases) {
        dialogs.warnings.clear();
        dialogs.openAnswers.push_back(c.answer);
        entry(*mainWindow, "Open")->trigger();
        EXPECT_EQ(dialogs.warnings.size(), c.warned ? 1u : 0u) << c.answer.toStdString();
        if (c.warned) {
            EXPECT_TRUE(dialogs.warnings[0].text.contains(c.answer));
        }
        EXPECT_EQ(session->images.work(), strip);
        EXPECT_EQ(session->images.base(), strip);
        EXPECT_EQ(mainWindow->preview()->Picture1()->image(), shown);
    }
}

TEST_F(MainWindow, ADroppedImageOpensAsOpenWould) {
    const QImage strip = numberedFrames(160, 4, 2);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(writeBitmap(QStringLiteral("dropped.bmp"), strip))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(mainWindow.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(mainWindow.get(), &dropped);
    QCoreApplication::processEvents();
    EXPECT_EQ(session->images.work(), strip);
    EXPECT_EQ(mainWindow->preview()->Picture1()->image(), strip.copy(0, 0, 160, 160));
}

TEST_F(MainWindow, OpensCentredOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((mainWindow->frameGeometry().center() - screen.center()).manhattanLength(), 8);
}

TEST_F(MainWindow, UnionLaysTheOverlayOverTheWorkImage) {
    const QImage strip = filledImage(320, 160, qRgb(1, 2, 3));
    openImage(strip);
    QImage overlay = filledImage(400, 100, qRgb(0, 0, 0));
    overlay.setPixel(5, 6, qRgb(250, 0, 0));
    overlay.setPixel(390, 6, qRgb(0, 250, 0));
    dialogs.openAnswers.push_back(writeBitmap(QStringLiteral("overlay.bmp"), overlay));
    entry(*mainWindow, "uni")->trigger();
    EXPECT_TRUE(dialogs.warnings.empty());
    QImage expected = strip;
    expected.setPixel(5, 6, qRgb(250, 0, 0));
    EXPECT_EQ(session->images.work(), expected);
    EXPECT_EQ(session->images.base(), expected);

    dialogs.openAnswers.push_back(pathOf(QStringLiteral("missing.bmp")));
    entry(*mainWindow, "uni")->trigger();
    EXPECT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(session->images.work(), expected);
}

TEST_F(MainWindow, TheFileDialogStartsFromTheNameItLastReturned) {
    entry(*mainWindow, "Open")->trigger(); // at first, in the user's pictures folder
    ASSERT_EQ(dialogs.openQuestions.size(), 1u);
    EXPECT_EQ(dialogs.openQuestions[0].proposed, common::userFolder(common::UserFolder::Pictures));
    openImage(filledImage(160, 160, qRgb(9, 9, 9)));
    const QString opened = pathOf(QStringLiteral("opened.bmp"));
    entry(*mainWindow, "uni")->trigger();
    EXPECT_EQ(dialogs.openQuestions.back().proposed, opened);
}

TEST_F(MainWindow, CommandsThatNeedAnImageSaySoBeforeOneIsOpen) {
    entry(*mainWindow, "uni")->trigger();
    entry(*mainWindow, "Save")->trigger();
    mainWindow->console()->Command2()->click();
    mainWindow->colour()->HScroll1()->setValue(100);
    mainWindow->colour()->Command1()->click();
    EXPECT_EQ(dialogs.warnings.size(), 4u);
    for (const auto& warning : dialogs.warnings)
        EXPECT_TRUE(warning.text.contains(QStringLiteral("No image is open")))
            << warning.text.toStdString();
    EXPECT_TRUE(dialogs.openQuestions.empty());
    EXPECT_TRUE(dialogs.saveQuestions.empty());
    EXPECT_TRUE(session->images.isEmpty());
    EXPECT_EQ(session->settings.HueShift, 0);
}

TEST_F(MainWindow, MousePressOnThePreviewPictureOpensAnImage) {
    const QImage strip = numberedFrames(160, 2, 1);
    dialogs.openAnswers.push_back(writeBitmap(QStringLiteral("clicked.bmp"), strip));
    QTest::mousePress(mainWindow->preview()->Picture1(), Qt::RightButton, {}, QPoint(20, 30));
    EXPECT_EQ(dialogs.openQuestions.size(), 1u);
    EXPECT_EQ(session->images.work(), strip);
    EXPECT_EQ(mainWindow->preview()->Picture1()->image(), strip.copy(0, 0, 160, 160));

    QTest::mousePress(mainWindow->preview()->Picture1(), Qt::LeftButton);
    EXPECT_EQ(dialogs.openQuestions.size(), 2u);
    EXPECT_EQ(session->images.work(), strip) << "cancelled";
}

TEST_F(MainWindow, QuitAsksAndCancelKeepsEverything) {
    openImage(filledImage(160, 160, qRgb(7, 7, 7)));
    dialogs.confirmAnswers.push_back(false);
    entry(*mainWindow, "end")->trigger();
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(dialogs.confirmations[0].title, QStringLiteral("終了"));
    EXPECT_EQ(dialogs.confirmations[0].text, QStringLiteral("終了しても・・よいのですな？"));
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_FALSE(session->images.isEmpty());
    EXPECT_EQ(mainWindow->mdiArea()->subWindowList().size(), 3);

    dialogs.confirmAnswers.push_back(true);
    EXPECT_TRUE(mainWindow->close());
    EXPECT_EQ(dialogs.confirmations.size(), 2u);
    EXPECT_FALSE(mainWindow->isVisible());
}

TEST_F(MainWindow, VersionEntryShowsTheVersionWindow) {
    entry(*mainWindow, "Version")->trigger();
    auto* version = mainWindow->findChild<Versionf*>();
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(version->isVisible());
    EXPECT_FALSE(version->isModal());
    EXPECT_EQ(version->size(), QSize(299, 227));
    EXPECT_EQ(version->windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(version->Timer1()->interval(), 5000);
    EXPECT_TRUE(version->Timer1()->isActive());
    EXPECT_EQ(mainWindow->mdiArea()->subWindowList().size(), 3) << "no second load";

    QTest::mouseClick(version, Qt::LeftButton);
    EXPECT_FALSE(version->isVisible());
}

TEST_F(MainWindow, VersionWindowClosesWhenItLosesTheFocus) {
    auto* version = new Versionf;
    version->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<Versionf> watched(version);
    version->show();
    QApplication::setActiveWindow(version);
    ASSERT_TRUE(version->isActiveWindow());
    QApplication::setActiveWindow(mainWindow.get());
    EXPECT_TRUE(watched.isNull() || !watched->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
}

TEST(VersionWindow, ClosesWhenItsTimeIsUpAndDrawsItsArtworkOnCyan) {
    Versionf version;
    version.show();
    EXPECT_TRUE(version.isVisible());
    version.Timer1()->start(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !version.isVisible(); }, 1000));

    const QImage artwork = Versionf::artwork();
    EXPECT_EQ(artwork.size(), QSize(299, 227));
    EXPECT_EQ(artwork.pixel(0, 0), qRgb(0, 255, 255));
    EXPECT_NE(artwork.pixel(80, 72), qRgb(0, 255, 255));
}

} // namespace
} // namespace koratune
