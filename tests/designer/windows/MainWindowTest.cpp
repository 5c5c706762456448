#include "DesignerFixture.h"

#include "common/FileNames.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"
#include "core/editing/SampleDesigns.h"
#include "windows/render/F_Animation.h"
#include "windows/render/F_Preview.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>

#include <sstream>
#include <string>
#include <vector>

namespace kirabellum {
namespace {

std::vector<std::string> captions(const QList<QAction*>& actions) {
    std::vector<std::string> texts;
    for (const QAction* action : actions)
        texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return texts;
}

using MainWindowTest = DesignerFixture;

TEST_F(MainWindowTest, CaptionMenusToolbarAndStatusBar) {
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - 無題"));
    EXPECT_EQ(mainWindow->mdiArea()->size(), QSize(906, 675));
    EXPECT_EQ(captions(mainWindow->menuBar()->actions()),
              (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "バージョン情報(&A)"}));
    EXPECT_EQ(captions(mainWindow->FILE->actions()),
              (std::vector<std::string>{"新規作成(&N)", "-", "開く(&O)", "V1.1のファイルを開く(&A)",
                                        "最近使ったデザイン(&R)", "サンプル(&M)", "-",
                                        "上書き保存(&W)", "保存(&S)", "書き出し(&X)", "-",
                                        "Koratuneを起動", "-", "終了(&E)"}));
    EXPECT_EQ(captions(mainWindow->VIEW->actions()),
              (std::vector<std::string>{"ParticleEditer", "Gravity", "ColorTransformation", "Fire",
                                        "Animation", "Preview"}));
    const QList<QAction*> buttons = mainWindow->Toolbar1->actions();
    ASSERT_EQ(buttons.size(), 6);
    for (const QAction* button : buttons) {
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_EQ(mainWindow->StatusBar1->text(), QStringLiteral("Ready"));
    // No tool window is open at start, so nothing is ticked.
    for (const QAction* view : mainWindow->VIEW->actions())
        EXPECT_FALSE(view->isChecked());
}

TEST_F(MainWindowTest, ToolWindowsOpenAtTheirPlacesTickAndOnlyFocusWhenOpen) {
    mainWindow->ANIMATION->trigger();
    auto* animation = windows().window(ToolKind::Animation);
    ASSERT_NE(animation, nullptr);
    EXPECT_TRUE(mainWindow->ANIMATION->isChecked());
    auto* frame = qobject_cast<QMdiSubWindow*>(animation->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->pos(), QPoint(320, 9));               // 4800 and 128 twips
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()); // fixed size

    // Moved by the user, then chosen again: the same window, where it was.
    frame->move(100, 100);
    mainWindow->ANIMATION->trigger();
    EXPECT_EQ(windows().window(ToolKind::Animation), animation);
    EXPECT_EQ(frame->pos(), QPoint(100, 100));
    EXPECT_TRUE(mainWindow->ANIMATION->isChecked());
    EXPECT_EQ(mainWindow->mdiArea()->activeSubWindow(), frame);

    mainWindow->PREVIEW->trigger();
    EXPECT_EQ(
        qobject_cast<QMdiSubWindow*>(windows().window(ToolKind::Preview)->parentWidget())->pos(),
        QPoint(460, 287)); // 6900 and 4300 twips
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows().window(ToolKind::Animation), nullptr);
    EXPECT_FALSE(mainWindow->ANIMATION->isChecked());
}

TEST_F(MainWindowTest, ToolWindowsHaveNoMaximizeButtonAndThePreviewNoMinimizeButton) {
    mainWindow->NEW_Click();
    const struct {
        ToolKind kind;
        bool minimize;
    } cases[] = {
        {ToolKind::Editer, true}, {ToolKind::Gravity, true},   {ToolKind::Color, true},
        {ToolKind::Hinoko, true}, {ToolKind::Animation, true}, {ToolKind::Preview, false},
    };
    for (const auto& c : cases) {
        ToolWindow* window = windows().window(c.kind);
        ASSERT_NE(window, nullptr) << static_cast<int>(c.kind);
        const Qt::WindowFlags flags = window->parentWidget()->windowFlags();
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << static_cast<int>(c.kind);
        EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), c.minimize)
            << static_cast<int>(c.kind);
    }
}

TEST_F(MainWindowTest, ToolbarButtonsDoWhatTheViewItemsDo) {
    mainWindow->Toolbar1->actions()[4]->trigger();
    EXPECT_NE(windows().window(ToolKind::Animation), nullptr);
    EXPECT_TRUE(mainWindow->ANIMATION->isChecked());
    mainWindow->Toolbar1->actions()[5]->trigger();
    EXPECT_NE(windows().window(ToolKind::Preview), nullptr);
    EXPECT_EQ(mainWindow->mdiArea()->activeSubWindow()->widget(),
              windows().window(ToolKind::Preview));
    mainWindow->Toolbar1_ButtonClick(7); // no such button: nothing happens
    mainWindow->Toolbar1_ButtonClick(0);
}

// A tool window that records when it is built and redrawn.
class RecordingWindow : public ToolWindow {
public:
    RecordingWindow(DesignerSession& session, ToolKind kind, std::vector<std::string>& log)
        : ToolWindow(session, kind), log_(log) {
        setWindowTitle(QStringLiteral("Recording"));
        log_.push_back("open " + std::to_string(static_cast<int>(kind)));
    }
    void DRefresh() override {
        log_.push_back("refresh " + std::to_string(static_cast<int>(kind())));
    }

private:
    std::vector<std::string>& log_;
};

TEST_F(MainWindowTest, NewAndOpenOpenClosedWindowsAndRefreshAllInTheirOrders) {
    ASSERT_TRUE(WriteDesignFile(path("ring.df2"), sampleDesigns()[1].design).ok());
    // Kinds: 0 particle, 1 gravity, 2 colour, 3 spark, 4 render settings, 5 preview.
    // A window opening logs "open" and redraws itself; then all six redraw.
    const std::vector<std::string> refreshAll = {"refresh 1", "refresh 0", "refresh 4",
                                                 "refresh 3", "refresh 2", "refresh 5"};
    const struct {
        const char* name;
        bool sparkOpen;
        bool open; // the Open command rather than New
        std::vector<std::string> opened;
    } cases[] = {
        // New opens the spark editor, then the colour editor, then the rest.
        {"New, all closed",
         false,
         false,
         {"open 3", "refresh 3", "open 2", "refresh 2", "open 5", "refresh 5", "open 4",
          "refresh 4", "open 1", "refresh 1", "open 0", "refresh 0"}},
        {"New, spark editor open",
         true,
         false,
         {"open 2", "refresh 2", "open 5", "refresh 5", "open 4", "refresh 4", "open 1",
          "refresh 1", "open 0", "refresh 0"}},
        {"Open, all closed",
         false,
         true,
         {"open 5", "refresh 5", "open 4", "refresh 4", "open 2", "refresh 2", "open 3",
          "refresh 3", "open 1", "refresh 1", "open 0", "refresh 0"}},
        {"Open, spark editor open",
         true,
         true,
         {"open 5", "refresh 5", "open 4", "refresh 4", "open 2", "refresh 2", "open 1",
          "refresh 1", "open 0", "refresh 0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        mainWindow->mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::vector<std::string> log;
        for (ToolKind kind : {ToolKind::Editer, ToolKind::Gravity, ToolKind::Color,
                              ToolKind::Hinoko, ToolKind::Animation, ToolKind::Preview})
            windows().registerWindow(kind, [&log, kind](DesignerSession& s) {
                return new RecordingWindow(s, kind, log);
            });
        if (c.sparkOpen)
            mainWindow->HINOKO->trigger(); // already open: left as it is
        log.clear();

        if (c.open) {
            dialogs.openAnswers.push_back(path("ring.df2"));
            mainWindow->OPEN_Click(0);
        } else {
            mainWindow->NEW_Click();
        }

        std::vector<std::string> expected = c.opened;
        expected.insert(expected.end(), refreshAll.begin(), refreshAll.end());
        EXPECT_EQ(log, expected);
    }
}

TEST_F(MainWindowTest, NewResetsTheDesignWithoutAskingAndKeepsTheRunFlag) {
    session->document.RenderCancel = 1;
    session->document.layer(2).LayerUse = 1;
    mainWindow->NEW_Click();
    EXPECT_EQ(session->document.layer(2).LayerUse, 0);
    EXPECT_EQ(session->document.RampLength, 16);
    EXPECT_EQ(session->document.RenderCancel, 1);
    EXPECT_TRUE(dialogs.confirmations.empty()); // New never asks
}

TEST_F(MainWindowTest, OpenReadsTheChosenDesignAndRefreshesTheWindows) {
    const DesignDocument sample = sampleDesigns()[1].design;
    ASSERT_TRUE(WriteDesignFile(path("ring.df2"), sample).ok());
    dialogs.openAnswers.push_back(path("ring.df2"));
    mainWindow->OPEN_Click(0);

    ASSERT_EQ(dialogs.openQuestions.size(), 1u);
    EXPECT_EQ(common::WidgetDialogs::qtFilters(dialogs.openQuestions[0].filters),
              QStringList({QStringLiteral("Kirabellum Data File-v1.2(*.df2)"),
                           QStringLiteral("Kirabellum Design JSON(*.json)")}));
    EXPECT_TRUE(session->document.sameDesignAs(sample));
    auto* animation = windows().windowAs<F_Animation>(ToolKind::Animation);
    ASSERT_NE(animation, nullptr);
    EXPECT_NE(windows().window(ToolKind::Preview), nullptr);
    EXPECT_EQ(animation->HScroll1[0]->value(), sample.FrameSize);
    EXPECT_EQ(animation->Label3[0]->text(), QStringLiteral("128x128"));
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(MainWindowTest, CancelledOpenChangesNothingAndOpensNoWindow) {
    const DesignDocument before = session->document;
    mainWindow->OPEN_Click(1);
    ASSERT_EQ(dialogs.openQuestions.size(), 1u);
    EXPECT_EQ(common::WidgetDialogs::qtFilters(dialogs.openQuestions[0].filters),
              QStringList({QStringLiteral("Kirabellum Data File-v1.1(*.df1)"),
                           QStringLiteral("Kirabellum Design JSON(*.json)")}));
    EXPECT_TRUE(session->document.sameDesignAs(before));
    EXPECT_EQ(windows().window(ToolKind::Animation), nullptr);
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(MainWindowTest, AnEmptyWorkAreaHintsAtNewSamplesAndOpen) {
    const QLabel* hint = windows().emptyAreaHint();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    for (const char* named : {"新規作成", "サンプル", "開く"})
        EXPECT_TRUE(hint->text().contains(QString::fromUtf8(named))) << named;
    mainWindow->NEW_Click();
    EXPECT_FALSE(hint->isVisible());
}

TEST_F(MainWindowTest, TheDesignDialogsFirstStartInTheDocumentsFolder) {
    mainWindow->OPEN_Click(0);
    ASSERT_EQ(dialogs.openQuestions.size(), 1u);
    const QFileInfo proposed(dialogs.openQuestions[0].proposed);
    EXPECT_EQ(proposed.absoluteFilePath(),
              QFileInfo(common::userFolder(common::UserFolder::Documents)).absoluteFilePath());
    EXPECT_NE(proposed.absoluteFilePath(),
              QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
}

TEST_F(MainWindowTest, DamagedOrMismatchedFileGivesAMessageAndKeepsTheDesign) {
    QByteArray json;
    ASSERT_TRUE(designToJson(sampleDesigns()[1].design, json).ok());
    std::ostringstream binary;
    ASSERT_TRUE(WriteDesignFile(binary, sampleDesigns()[1].design).ok());
    const struct {
        const char* file;
        QByteArray content;
        const char* words;
    } cases[] = {
        {"damaged.df2", QByteArray(1000, '\x07'), "too short"},
        {"json.df2", json, "expected a version 1.2 design file, but the file holds JSON text"},
        {"binary.json", QByteArray::fromStdString(binary.str()),
         "expected a JSON design, but the text is not valid JSON: illegal value at line 1, "
         "column 2"},
    };
    session->document.layer(5).LayerCount = 1234;
    const DesignDocument before = session->document;
    for (const auto& c : cases) {
        QFile file(path(c.file));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        dialogs.warnings.clear();
        dialogs.openAnswers.push_back(path(c.file));
        mainWindow->OPEN_Click(0);
        ASSERT_EQ(dialogs.warnings.size(), 1u) << c.file;
        EXPECT_TRUE(dialogs.warnings[0].text.contains(path(c.file))) << c.file;
        EXPECT_TRUE(dialogs.warnings[0].text.contains(QString::fromUtf8(c.words)))
            << dialogs.warnings[0].text.toStdString();
        EXPECT_TRUE(session->document.sameDesignAs(before)) << c.file;
    }
}

TEST_F(MainWindowTest, OpenReadsJsonWhenItsFilterIsChosenOrTheNameSaysSo) {
    const DesignDocument sample = sampleDesigns()[1].design;
    ASSERT_TRUE(writeDesignJson(path("ring.json"), sample).ok());
    ASSERT_TRUE(writeDesignJson(path("ring.txt"), sample).ok());
    const struct {
        int command; // OPEN index: 0 version 1.2, 1 version 1.1
        const char* file;
        int filter; // 0 the command's own, 1 JSON
    } cases[] = {
        {0, "ring.json", 1},
        {1, "ring.json", 1},
        {0, "ring.json", 0},
        {1, "ring.txt", 1},
    };
    for (const auto& c : cases) {
        NewDesign(session->document);
        dialogs.openAnswers.push_back({path(c.file), c.filter});
        mainWindow->OPEN_Click(c.command);
        EXPECT_TRUE(dialogs.warnings.empty()) << c.file << " " << c.command << " " << c.filter;
        EXPECT_TRUE(session->document.sameDesignAs(sample))
            << c.file << " " << c.command << " " << c.filter;
    }

    // As the program opens a design it is started with: by the extension.
    NewDesign(session->document);
    EXPECT_TRUE(mainWindow->openDesign(path("ring.json")));
    EXPECT_TRUE(session->document.sameDesignAs(sample));
    // Any other name is read as a version 1.2 design file, as always.
    ASSERT_TRUE(WriteDesignFile(path("ring.design"), sample).ok());
    NewDesign(session->document);
    EXPECT_TRUE(mainWindow->openDesign(path("ring.design")));
    EXPECT_TRUE(session->document.sameDesignAs(sample));
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(MainWindowTest, SaveWritesJsonWhenItsFilterIsChosenOrTheNameSaysSo) {
    session->document = sampleDesigns()[1].design;
    QByteArray json;
    ASSERT_TRUE(designToJson(session->document, json).ok());
    std::ostringstream binary;
    ASSERT_TRUE(WriteDesignFile(binary, session->document).ok());
    const struct {
        const char* typed;
        int filter; // 0 version 1.2, 1 JSON
        const char* file;
        QByteArray written;
    } cases[] = {
        {"saved.json", 1, "saved.json", json},
        {"saved.txt", 1, "saved.txt", json},
        {"saved.JSON", 0, "saved.JSON", json},
        {"saved.df2", 0, "saved.df2", QByteArray::fromStdString(binary.str())},
        {"saved.txt", 0, "saved.txt", QByteArray::fromStdString(binary.str())},
        // A name without an extension gets the chosen format's.
        {"mydesign", 0, "mydesign.df2", QByteArray::fromStdString(binary.str())},
        {"mine", 1, "mine.json", json},
    };
    for (const auto& c : cases) {
        dialogs.saveAnswers.push_back({path(c.typed), c.filter});
        mainWindow->SAVE_Click();
        QFile file(path(c.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.typed;
        EXPECT_EQ(file.readAll(), c.written) << c.typed << " " << c.filter;
        EXPECT_EQ(session->designFileName, path(c.file)) << c.typed;
    }
    EXPECT_FALSE(QFile::exists(path("mydesign")));
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(MainWindowTest, SaveProposesDf2AfterOpeningAVersion11File) {
    std::ostringstream bytes;
    DesignDocument design;
    NewDesign(design);
    design.layer(1).LayerUse = 1;
    ASSERT_TRUE(WriteDesignFile(bytes, design).ok());
    const std::string version12 = bytes.str();
    QFile file(path("old.df1"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(
        version12.substr(0, DesignSparkOffset + DesignSparkImageBytes) +
        version12.substr(DesignSparkOffset + LayerTotal * DesignSparkImageBytes)));
    file.close();

    dialogs.openAnswers.push_back(path("old.df1"));
    mainWindow->OPEN_Click(1);
    ASSERT_TRUE(dialogs.warnings.empty()) << dialogs.warnings[0].text.toStdString();
    EXPECT_EQ(session->document.layer(1).LayerUse, 1);

    dialogs.saveAnswers.push_back(path("old.df2"));
    mainWindow->SAVE_Click();
    ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_EQ(dialogs.saveQuestions[0].proposed, path("old.df2"));
    EXPECT_EQ(common::WidgetDialogs::qtFilters(dialogs.saveQuestions[0].filters),
              QStringList({QStringLiteral("Kirabellum Data File-v1.2(*.df2)"),
                           QStringLiteral("Kirabellum Design JSON(*.json)")}));
    EXPECT_EQ(QFileInfo(path("old.df2")).size(), 33603);
}

TEST_F(MainWindowTest, CancelledOrFailedSaveWritesNothingAndSaysWhyOnFailure) {
    mainWindow->SAVE_Click(); // Cancel
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_FALSE(QFile::exists(path("x.df2")));

    dialogs.saveAnswers.push_back(path("missing/folder/x.df2"));
    mainWindow->SAVE_Click();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].text.contains(QStringLiteral("missing/folder/x.df2")));
}

TEST_F(MainWindowTest, QuitQuestionCancelKeepsEverything) {
    mainWindow->ANIMATION->trigger();
    session->document.layer(3).LayerUse = 1;
    const DesignDocument before = session->document;
    dialogs.confirmAnswers.push_back(false);
    mainWindow->END_Click();
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(dialogs.confirmations[0].title, QStringLiteral("終了"));
    EXPECT_EQ(dialogs.confirmations[0].text, QStringLiteral("終了しても良いノン？"));
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_NE(windows().window(ToolKind::Animation), nullptr);
    EXPECT_TRUE(session->document.sameDesignAs(before));

    dialogs.confirmAnswers.push_back(true);
    mainWindow->END_Click();
    EXPECT_FALSE(mainWindow->isVisible());
}

TEST_F(MainWindowTest, MissingKoratuneGivesAMessageAndTheDesignerCarriesOn) {
    session->koratuneProgram = path("no-koratune-here");
    const DesignDocument before = session->document;
    mainWindow->KoratuneUP_Click();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].text.contains(QStringLiteral("no-koratune-here")));
    EXPECT_TRUE(session->document.sameDesignAs(before));
    EXPECT_TRUE(mainWindow->isVisible());

    session->koratuneProgram = QStringLiteral("/bin/true");
    mainWindow->KoratuneUP_Click();
    EXPECT_EQ(dialogs.warnings.size(), 1u);
}

} // namespace
} // namespace kirabellum
