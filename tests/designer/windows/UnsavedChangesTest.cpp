#include "DesignerFixture.h"

#include "common/windows/WindowTranslations.h"
#include "core/document/DesignFile.h"
#include "windows/editors/F_Color.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Gravity.h"
#include "windows/editors/F_Hinoko.h"
#include "windows/editors/Syousai.h"
#include "windows/render/F_Animation.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>

namespace kirabellum::test {
namespace {

using SaveAnswer = common::Dialogs::SaveAnswer;

// The design as the bytes a design file holds, for exact comparisons.
std::string designBytes(const DesignDocument& document) {
    std::ostringstream stream;
    EXPECT_TRUE(WriteDesignFile(stream, document).ok());
    return stream.str();
}

class UnsavedChangesTest : public DesignerFixture {
protected:
    UnsavedChangesTest() {
        mainWindow->NEW_Click();
        editor = windows().windowAs<F_Editer>(ToolKind::Editer);
        gravity = windows().windowAs<F_Gravity>(ToolKind::Gravity);
        colours = windows().windowAs<F_Color>(ToolKind::Color);
        sparks = windows().windowAs<F_Hinoko>(ToolKind::Hinoko);
        settings = windows().windowAs<F_Animation>(ToolKind::Animation);
    }

    bool modified() const { return session->history.isModified(); }

    // A ramp or spark picture whose colours follow `shade`.
    QString picture(const QString& name, int width, int height, int shade) {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb((x * 7 + shade) % 256, (y * 5 + shade) % 256, shade));
        return writePicture(name, image);
    }

    void loadRamp(int shade) {
        dialogs.openAnswers.push_back(
            picture(QStringLiteral("ramp%1.bmp").arg(shade), 16, 1, shade));
        QTest::mouseClick(colours->Command1, Qt::LeftButton);
    }
    void loadSpark(int shade) {
        dialogs.openAnswers.push_back(
            picture(QStringLiteral("spark%1.bmp").arg(shade), 32, 32, shade));
        QTest::mouseClick(sparks->Command1, Qt::LeftButton);
    }
    void setBurstOccurrence(int last, int step) {
        QTimer::singleShot(0, [last, step] {
            auto* dialog = qobject_cast<Syousai*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->Option1[1]->click();
            dialog->HScroll1[1]->setValue(last);
            dialog->HScroll1[2]->setValue(step);
            QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(editor->Command3, Qt::LeftButton);
    }

    // Makes one change through the particle editor.
    void change() { QTest::mouseClick(editor->Command1, Qt::LeftButton); }

    QString savedFile(const char* name) {
        const QString file = path(name);
        dialogs.saveAnswers.push_back(file);
        return file;
    }

    F_Editer* editor = nullptr;
    F_Gravity* gravity = nullptr;
    F_Color* colours = nullptr;
    F_Hinoko* sparks = nullptr;
    F_Animation* settings = nullptr;
};

TEST_F(UnsavedChangesTest, EveryEditorChangeMarksTheDesignAndSaveClearsIt) {
    const struct {
        const char* name;
        std::function<void()> change;
    } changes[] = {
        {"layer switch", [this] { QTest::mouseClick(editor->Command1, Qt::LeftButton); }},
        {"particle count", [this] { clickArrow(editor->HScroll2, true); }},
        {"lowest speed", [this] { clickArrow(editor->HScroll3, true); }},
        {"survival", [this] { clickArrow(editor->HScroll4, true); }},
        {"deceleration", [this] { clickArrow(editor->HScroll5, true); }},
        {"burst centre",
         [this] {
             press(editor->Picture1, {30, 40}, Qt::LeftButton);
         }},
        {"burst radius",
         [this] {
             press(editor->Picture1, {100, 90}, Qt::RightButton);
         }},
        {"burst shape",
         [this] {
             editor->TabStrip1->setCurrentIndex(1);
             press(editor->Picture1, {120, 80}, Qt::LeftButton);
         }},
        {"burst occurrence", [this] { setBurstOccurrence(5, 2); }},
        {"gravity switch", [this] { QTest::mouseClick(gravity->Command1, Qt::LeftButton); }},
        {"gravity power", [this] { clickArrow(gravity->HScroll1, true); }},
        {"gravity direction",
         [this] {
             press(gravity->Picture1, {20, 30}, Qt::LeftButton);
         }},
        {"frame size", [this] { clickArrow(settings->HScroll1[0], true); }},
        {"frame count", [this] { clickArrow(settings->HScroll1[1], true); }},
        {"afterimage", [this] { clickArrow(settings->HScroll1[2], true); }},
        {"add rate", [this] { clickArrow(settings->HScroll1[3], true); }},
        {"width limit", [this] { clickArrow(settings->HScroll1[4], true); }},
        {"afterimage switch", [this] { QTest::mouseClick(settings->Check1, Qt::LeftButton); }},
        {"refresh rate", [this] { QTest::mouseClick(settings->Option1[1], Qt::LeftButton); }},
        {"ramp load", [this] { loadRamp(40); }},
        {"spark load", [this] { loadSpark(90); }},
    };
    for (const auto& each : changes) {
        SCOPED_TRACE(each.name);
        const std::string before = designBytes(session->document);
        ASSERT_FALSE(modified());
        each.change();
        EXPECT_NE(designBytes(session->document), before);
        EXPECT_TRUE(modified());
        EXPECT_TRUE(mainWindow->UNDO->isEnabled());
        EXPECT_TRUE(mainWindow->isWindowModified());

        const QString file = savedFile("saved.df2");
        ASSERT_TRUE(mainWindow->SAVE_Click());
        EXPECT_FALSE(modified());
        EXPECT_FALSE(mainWindow->isWindowModified());
        EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - saved.df2"));
    }
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(UnsavedChangesTest, TitleNamesTheFileAndMarksUnsavedChanges) {
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - 無題"));
    change();
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - 無題[*]"));
    EXPECT_TRUE(mainWindow->isWindowModified());
    savedFile("burst");
    ASSERT_TRUE(mainWindow->SAVE_Click());
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - burst.df2"));
    change();
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - burst.df2[*]"));

    // Opening another file names it; a failed open keeps the title.
    ASSERT_TRUE(WriteDesignFile(path("other.df2"), session->document).ok());
    dialogs.unsavedAnswers.push_back(SaveAnswer::Discard);
    dialogs.openAnswers.push_back(path("other.df2"));
    mainWindow->OPEN_Click(0);
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - other.df2"));
    EXPECT_FALSE(mainWindow->openDesign(path("missing.df2")));
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - other.df2"));
    mainWindow->NEW_Click();
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - 無題"));
}

// 上書き保存 saves a design that has a file without asking where, and
// says so on the status bar; 保存 always asks.
TEST_F(UnsavedChangesTest, CtrlSSavesANamedDesignInPlace) {
    change();
    const QString file = savedFile("burst.df2");
    mainWindow->OVERWRITE->trigger(); // untitled: asks
    EXPECT_EQ(dialogs.saveQuestions.size(), 1u);
    change();
    mainWindow->OVERWRITE->trigger();
    EXPECT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_FALSE(modified());
    std::ifstream written(file.toStdString(), std::ios::binary);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(written), {}) ==
                designBytes(session->document));
    EXPECT_EQ(mainWindow->statusBar()->currentMessage(),
              QStringLiteral("保存しました: %1").arg(QDir::toNativeSeparators(file)));
    EXPECT_FALSE(mainWindow->SAVE_Click());
    EXPECT_EQ(dialogs.saveQuestions.size(), 2u);
}

TEST_F(UnsavedChangesTest, WithoutUnsavedChangesNothingAsksButTheQuitQuestion) {
    mainWindow->NEW_Click();
    const QString file = path("plain.df2");
    ASSERT_TRUE(WriteDesignFile(file, session->document).ok());
    dialogs.openAnswers.push_back(file);
    mainWindow->OPEN_Click(0);
    change();
    savedFile("plain.df2");
    ASSERT_TRUE(mainWindow->SAVE_Click());
    mainWindow->NEW_Click();
    EXPECT_TRUE(dialogs.unsavedQuestions.empty());

    mainWindow->END_Click();
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(dialogs.confirmations[0].line(), QStringLiteral("終了: 終了しても良いノン？"));
    EXPECT_TRUE(mainWindow->isVisible()); // answered Cancel
}

// Each answer of the save question, for each command that asks it.
TEST_F(UnsavedChangesTest, TheSaveQuestionDecidesWhetherTheCommandGoesOn) {
    const QString other = path("other.df2");
    {
        DesignDocument design = session->document;
        design.layer(4).LayerUse = 1;
        ASSERT_TRUE(WriteDesignFile(other, design).ok());
    }
    enum class Command { New, Open, Quit };
    const struct {
        Command command;
        SaveAnswer answer;
        bool saveDialogAnswered; // for Save: a name chosen, or the dialog cancelled
        bool goesOn;
    } cases[] = {
        {Command::New, SaveAnswer::Save, true, true},
        {Command::New, SaveAnswer::Save, false, false},
        {Command::New, SaveAnswer::Discard, false, true},
        {Command::New, SaveAnswer::Cancel, false, false},
        {Command::Open, SaveAnswer::Save, true, true},
        {Command::Open, SaveAnswer::Save, false, false},
        {Command::Open, SaveAnswer::Discard, false, true},
        {Command::Open, SaveAnswer::Cancel, false, false},
        {Command::Quit, SaveAnswer::Save, true, true},
        {Command::Quit, SaveAnswer::Save, false, false},
        {Command::Quit, SaveAnswer::Discard, false, true},
        {Command::Quit, SaveAnswer::Cancel, false, false},
    };
    int number = 0;
    for (const auto& each : cases) {
        SCOPED_TRACE(++number);
        // A fresh untitled design with one change, in a shown window.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        mainWindow->show();
        dialogs = common::test::FakeDialogs();
        dialogs.unsavedAnswers.push_back(SaveAnswer::Discard);
        mainWindow->NEW_Click();
        dialogs = common::test::FakeDialogs();
        editor = windows().windowAs<F_Editer>(ToolKind::Editer);
        change();
        const std::string changed = designBytes(session->document);

        dialogs.unsavedAnswers.push_back(each.answer);
        const QString saved = path(QStringLiteral("saved%1.df2").arg(number));
        if (each.saveDialogAnswered)
            dialogs.saveAnswers.push_back(saved);
        dialogs.openAnswers.push_back(other);
        switch (each.command) {
        case Command::New:
            mainWindow->NEW_Click();
            break;
        case Command::Open:
            mainWindow->OPEN_Click(0);
            break;
        case Command::Quit:
            mainWindow->END_Click();
            break;
        }
        ASSERT_EQ(dialogs.unsavedQuestions.size(), 1u);
        EXPECT_EQ(dialogs.unsavedQuestions[0].line(),
                  QStringLiteral("Kirabellum: デザイン「無題」への変更を保存しますか？"));
        EXPECT_TRUE(dialogs.confirmations.empty()); // the save question replaces it
        EXPECT_EQ(QFile::exists(saved), each.saveDialogAnswered);
        if (each.saveDialogAnswered) {
            DesignDocument read;
            ASSERT_TRUE(ReadDesignFile(saved, DesignFileVersion::V1_2, read).ok());
            EXPECT_EQ(designBytes(read), changed);
        }
        if (each.goesOn) {
            if (each.command == Command::Quit) {
                EXPECT_FALSE(mainWindow->isVisible());
            } else {
                EXPECT_NE(designBytes(session->document), changed);
                EXPECT_FALSE(modified());
            }
        } else {
            EXPECT_TRUE(mainWindow->isVisible());
            EXPECT_EQ(designBytes(session->document), changed);
            EXPECT_TRUE(modified());
            EXPECT_TRUE(mainWindow->UNDO->isEnabled());
        }
    }
}

TEST_F(UnsavedChangesTest, AFailedSaveKeepsTheChangesAndStopsTheCommand) {
    change();
    const std::string changed = designBytes(session->document);
    const QString unwritable = path("no such folder/burst.df2");

    dialogs.unsavedAnswers.push_back(SaveAnswer::Save);
    dialogs.saveAnswers.push_back(unwritable);
    mainWindow->NEW_Click();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].text.contains(QStringLiteral("burst.df2")))
        << dialogs.warnings[0].line().toStdString();
    EXPECT_EQ(designBytes(session->document), changed);
    EXPECT_TRUE(modified());
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - 無題[*]"));

    EXPECT_TRUE(modified());
}

TEST_F(UnsavedChangesTest, EditMenuUndoesAndRedoesWithTheUsualKeys) {
    EXPECT_EQ(mainWindow->EDIT->title(), QStringLiteral("編集(&E)"));
    EXPECT_EQ(mainWindow->UNDO->text(), QStringLiteral("元に戻す(&U)"));
    EXPECT_EQ(mainWindow->REDO->text(), QStringLiteral("やり直し(&R)"));
    EXPECT_EQ(mainWindow->UNDO->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(mainWindow->REDO->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    EXPECT_FALSE(mainWindow->UNDO->isEnabled());
    EXPECT_FALSE(mainWindow->REDO->isEnabled());

    press(editor->Picture1, {30, 40}, Qt::LeftButton);
    EXPECT_EQ(session->document.layer(1).LayerX, 30);
    mainWindow->UNDO->trigger();
    EXPECT_EQ(session->document.layer(1).LayerX, 80);
    EXPECT_FALSE(mainWindow->UNDO->isEnabled());
    EXPECT_TRUE(mainWindow->REDO->isEnabled());
    // The canvas shows the restored centre: its cross lines run through x = 80.
    EXPECT_TRUE(colourNear(editor->Picture1->image(), 80, 5, qRgb(0, 0, 0)));
    EXPECT_FALSE(colourNear(editor->Picture1->image(), 30, 5, qRgb(0, 0, 0)));
    mainWindow->REDO->trigger();
    EXPECT_EQ(session->document.layer(1).LayerX, 30);
    EXPECT_TRUE(modified());

    // New and Open start a fresh history.
    mainWindow->UNDO->trigger();
    dialogs.unsavedAnswers.push_back(SaveAnswer::Discard);
    mainWindow->NEW_Click();
    EXPECT_FALSE(mainWindow->UNDO->isEnabled());
    EXPECT_FALSE(mainWindow->REDO->isEnabled());
}

// The Edit menu's entries name the change they take back or make again, as its
// window captions it, in the language of the moment.
TEST_F(UnsavedChangesTest, UndoAndRedoEntriesNameTheChange) {
    const struct {
        const char* edit;
        std::function<void()> make;
        const char* japanese;
        const char* english;
    } cases[] = {
        {"particle count", [&] { clickArrow(editor->HScroll2, true); }, "粉数", "Count"},
        {"gravity power", [&] { clickArrow(gravity->HScroll1, true); }, "Power", "Power"},
        {"library ramp", [&] { colours->Command3->menu()->actions().at(1)->trigger(); },
         "カラーランプ", "Colour ramp"},
        {"canvas drawing",
         [&] {
             press(editor->Picture1, {30, 40}, Qt::LeftButton);
         },
         "位置", "Position"},
    };
    common::WindowTranslations translations;
    auto switchTo = [&](common::InterfaceLanguage language) {
        translations.setLanguage(language);
        QCoreApplication::processEvents(); // the windows are told of the change
    };
    QString previous;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        const QString japanese = QString::fromUtf8(c.japanese);
        const QString english = QString::fromUtf8(c.english);
        switchTo(common::InterfaceLanguage::Japanese);
        c.make();
        EXPECT_EQ(mainWindow->UNDO->text(), QStringLiteral("元に戻す: %1(&U)").arg(japanese));
        switchTo(common::InterfaceLanguage::English);
        EXPECT_EQ(mainWindow->UNDO->text(), QStringLiteral("&Undo: %1").arg(english));
        mainWindow->UNDO->trigger();
        EXPECT_EQ(mainWindow->REDO->text(), QStringLiteral("&Redo: %1").arg(english));
        switchTo(common::InterfaceLanguage::Japanese);
        EXPECT_EQ(mainWindow->REDO->text(), QStringLiteral("やり直し: %1(&R)").arg(japanese));
        // The undo entry names the change before, or reads as ever without one.
        EXPECT_EQ(mainWindow->UNDO->text(), previous.isEmpty()
                                                ? QStringLiteral("元に戻す(&U)")
                                                : QStringLiteral("元に戻す: %1(&U)").arg(previous));
        mainWindow->REDO->trigger();
        previous = japanese;
    }
}

// Random edits through the windows, undone to the start and redone to the end,
// pass through every state they made, byte for byte.
TEST_F(UnsavedChangesTest, RandomEditsUndoToTheStartAndRedoToTheEnd) {
    std::mt19937 random(12);
    auto pick = [&](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    const std::function<void()> edits[] = {
        [&] { editor->HScroll1->setValue(pick(1, LayerTotal)); },
        [&] { editor->TabStrip1->setCurrentIndex(pick(0, 1)); },
        [&] { gravity->TabStrip1->setCurrentIndex(pick(0, 2)); },
        [&] { QTest::mouseClick(editor->Command1, Qt::LeftButton); },
        [&] { clickArrow(editor->HScroll2, pick(0, 1) == 1); },
        [&] { clickArrow(editor->HScroll3, pick(0, 1) == 1); },
        [&] { clickArrow(editor->HScroll4, pick(0, 1) == 1); },
        [&] { clickArrow(editor->HScroll5, pick(0, 1) == 1); },
        [&] {
            press(editor->Picture1, QPointF(pick(0, 160), pick(0, 160)),
                  pick(0, 1) == 1 ? Qt::LeftButton : Qt::RightButton);
        },
        [&] { setBurstOccurrence(pick(0, 9), pick(1, 3)); },
        [&] { QTest::mouseClick(gravity->Command1, Qt::LeftButton); },
        [&] { clickArrow(gravity->HScroll1, pick(0, 1) == 1); },
        [&] { press(gravity->Picture1, QPointF(pick(0, 160), pick(0, 160)), Qt::LeftButton); },
        [&] { loadRamp(pick(0, 255)); },
        [&] { loadSpark(pick(0, 255)); },
    };
    std::vector<std::string> states{designBytes(session->document)};
    for (int step = 0; step < 120; ++step) {
        edits[pick(0, static_cast<int>(std::size(edits)) - 1)]();
        const std::string now = designBytes(session->document);
        if (now != states.back())
            states.push_back(now);
    }
    ASSERT_GT(states.size(), 40u);
    ASSERT_EQ(session->history.stepCount(), static_cast<int>(states.size()) - 1);

    for (std::size_t state = states.size() - 1; state-- > 0;) {
        mainWindow->UNDO_Click();
        ASSERT_EQ(designBytes(session->document), states[state]) << state;
    }
    EXPECT_FALSE(session->history.canUndo());
    for (std::size_t state = 1; state < states.size(); ++state) {
        mainWindow->REDO_Click();
        ASSERT_EQ(designBytes(session->document), states[state]) << state;
    }
    EXPECT_FALSE(session->history.canRedo());
    // The windows show the final design: redrawing them changes nothing.
    windows().refreshAll();
    EXPECT_EQ(designBytes(session->document), states.back());
}

TEST_F(UnsavedChangesTest, AHeldArrowOrADragIsOneStep) {
    // Changes between a press and its release are one step, as when an arrow is
    // held down and repeats.
    QScrollBar* count = editor->HScroll2;
    const int start = count->value();
    // On the slider, which a press does not move.
    const QPoint inside = partOf(count, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(count, Qt::LeftButton, {}, inside);
    for (int repeat = 0; repeat < 10; ++repeat)
        count->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QTest::mouseRelease(count, Qt::LeftButton, {}, inside);
    ASSERT_NE(count->value(), start);
    const int held = count->value();
    EXPECT_EQ(session->history.stepCount(), 1);
    mainWindow->UNDO_Click();
    EXPECT_EQ(count->value(), start);
    EXPECT_EQ(session->document.layer(1).LayerCount, start);
    mainWindow->REDO_Click();
    EXPECT_EQ(session->document.layer(1).LayerCount, held);

    // A gesture that ends where it began leaves no step.
    QTest::mousePress(count, Qt::LeftButton, {}, inside);
    count->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    count->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QTest::mouseRelease(count, Qt::LeftButton, {}, inside);
    EXPECT_EQ(session->history.stepCount(), 1);

    // Dragging a render setting's slider is one step too.
    QScrollBar* size = settings->HScroll1[0];
    const int sizeBefore = size->value();
    const QPoint slider = partOf(size, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(size, Qt::LeftButton, {}, slider);
    for (int offset = 4; offset <= 40; offset += 4) {
        QMouseEvent move(QEvent::MouseMove, slider + QPoint(offset, 0),
                         size->mapToGlobal(slider + QPoint(offset, 0)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(size, &move);
    }
    QTest::mouseRelease(size, Qt::LeftButton, {}, slider + QPoint(40, 0));
    ASSERT_GT(size->value(), sizeBefore + 8);
    EXPECT_EQ(session->history.stepCount(), 2);
    mainWindow->UNDO_Click();
    EXPECT_EQ(session->document.FrameSize, sizeBefore);
    EXPECT_EQ(size->value(), sizeBefore);
}

} // namespace
} // namespace kirabellum::test
