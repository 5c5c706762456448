#include "DesignerFixture.h"

#include "core/document/DesignFile.h"
#include "core/session/RecoveryFile.h"
#include "windows/editors/F_Editer.h"
#include "windows/render/F_Animation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <sstream>

namespace kirabellum::test {
namespace {

using SaveAnswer = common::Dialogs::SaveAnswer;

std::string designBytes(const DesignDocument& document) {
    std::ostringstream stream;
    EXPECT_TRUE(WriteDesignFile(stream, document).ok());
    return stream.str();
}

QStringList recoveryFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.recovery")}, QDir::Files);
}

// Changes that a test makes through the particle editor.
void makeChanges(ToolWindowHost& windows) {
    auto* editor = windows.openAs<F_Editer>(ToolKind::Editer);
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    DesignerFixture::press(editor->Picture1, {30.4, 120.6}, Qt::LeftButton);
    DesignerFixture::clickArrow(editor->HScroll3, true);
}

class RecoveryTest : public DesignerFixture {
protected:
    // A designer started afresh with the same recovery folder, as the next
    // start of the program is.
    void restart() {
        mainWindow.reset();
        session = std::make_unique<DesignerSession>(dialogs, 0, recoveryFolder());
        mainWindow = std::make_unique<MDIForm1>(*session);
        registerDesignerWindows(mainWindow->windows());
        mainWindow->show();
    }
    // The recovery file of a designer that ended without removing it.
    void leaveRecoveryBehind(const DesignDocument& design, const QString& fileName) {
        RecoveryStore crashed(recoveryFolder());
        ASSERT_TRUE(crashed.write(design, fileName).ok());
    }
};

TEST_F(RecoveryTest, UnsavedChangesAreKeptUntilSavedOrDiscarded) {
    mainWindow->NEW_Click();
    mainWindow->RecoveryTimer_Timer();
    EXPECT_TRUE(recoveryFiles(recoveryFolder()).isEmpty()); // nothing unsaved yet
    EXPECT_EQ(mainWindow->RecoveryTimer->interval(), 30000);
    EXPECT_TRUE(mainWindow->RecoveryTimer->isActive());

    makeChanges(windows());
    mainWindow->RecoveryTimer_Timer();
    ASSERT_EQ(recoveryFiles(recoveryFolder()).size(), 1);
    dialogs.saveAnswers.push_back(path("kept.df2"));
    ASSERT_TRUE(mainWindow->SAVE_Click());
    EXPECT_TRUE(recoveryFiles(recoveryFolder()).isEmpty());

    // A render writes it first.
    makeChanges(windows());
    auto* settings = windows().openAs<F_Animation>(ToolKind::Animation);
    settings->HScroll1[1]->setValue(2);
    settings->Command1->click();
    ASSERT_EQ(recoveryFiles(recoveryFolder()).size(), 1);

    dialogs.unsavedAnswers.push_back(SaveAnswer::Discard);
    mainWindow->NEW_Click();
    EXPECT_TRUE(recoveryFiles(recoveryFolder()).isEmpty());

    // Quitting with changes discarded leaves nothing behind either.
    makeChanges(windows());
    mainWindow->RecoveryTimer_Timer();
    dialogs.unsavedAnswers.push_back(SaveAnswer::Discard);
    mainWindow->END_Click();
    EXPECT_TRUE(recoveryFiles(recoveryFolder()).isEmpty());
}

// A recovery file that cannot be removed when the changes are saved is reported
// and removed by the next periodic write, not offered at the next start.
TEST_F(RecoveryTest, ARemovalThatFailedIsReportedAndTriedAgain) {
    mainWindow->NEW_Click();
    makeChanges(windows());
    mainWindow->RecoveryTimer_Timer();
    const QString file = session->recovery.path();
    ASSERT_TRUE(QFile::exists(file));
    // A folder in the file's place makes the removal fail, whoever runs the test.
    const QString aside = file + QStringLiteral(".aside");
    ASSERT_TRUE(QFile::rename(file, aside));
    ASSERT_TRUE(QDir().mkpath(file + QStringLiteral("/in the way")));
    dialogs.saveAnswers.push_back(path("kept.df2"));
    ASSERT_TRUE(mainWindow->SAVE_Click());
    mainWindow->RecoveryTimer_Timer();
    EXPECT_TRUE(mainWindow->statusBar()->currentMessage().contains(file))
        << mainWindow->statusBar()->currentMessage().toStdString();

    ASSERT_TRUE(QDir(file).removeRecursively());
    ASSERT_TRUE(QFile::rename(aside, file));
    mainWindow->RecoveryTimer_Timer();
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(RecoveryTest, ALeftBehindDesignIsRestoredWithItsNameAndUnsavedOrRemoved) {
    DesignDocument left = session->document;
    left.layer(3).LayerUse = 1;
    left.layer(3).LayerX = 17;
    left.ColorRamp[0] = 0x00123456;
    const QString leftName = path("fountain.df2");

    for (const bool restore : {true, false}) {
        SCOPED_TRACE(restore);
        leaveRecoveryBehind(left, leftName);
        restart();
        dialogs = common::test::FakeDialogs();
        dialogs.yesNoAnswers.push_back(restore);
        EXPECT_EQ(mainWindow->offerRecovery(), restore);
        ASSERT_EQ(dialogs.yesNoQuestions.size(), 1u);
        const QString question = dialogs.yesNoQuestions[0].text;
        EXPECT_TRUE(question.contains(QStringLiteral("fountain.df2"))) << question.toStdString();
        EXPECT_TRUE(
            question.contains(QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd"))))
            << question.toStdString();
        if (restore) {
            EXPECT_EQ(designBytes(session->document), designBytes(left));
            EXPECT_TRUE(session->history.isModified());
            EXPECT_EQ(mainWindow->windowTitle(),
                      QStringLiteral("Kirabellum v1.22 - fountain.df2[*]"));
            // Kept in this designer's own file now, which the next start does
            // not offer while this one runs.
            EXPECT_EQ(recoveryFiles(recoveryFolder()),
                      QStringList{QFileInfo(session->recovery.path()).fileName()});
            dialogs.saveAnswers.push_back(QString());
            mainWindow->SAVE_Click();
            EXPECT_EQ(dialogs.saveQuestions.back().proposed, leftName);
            dialogs.unsavedAnswers.push_back(SaveAnswer::Discard);
            mainWindow->NEW_Click();
        } else {
            EXPECT_FALSE(session->history.isModified());
        }
        EXPECT_TRUE(recoveryFiles(recoveryFolder()).isEmpty());
    }
}

TEST_F(RecoveryTest, ADamagedRecoveryFileIsReportedInOneLineAndRemoved) {
    QDir().mkpath(recoveryFolder());
    QFile damaged(QDir(recoveryFolder()).filePath(QStringLiteral("damaged.recovery")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("KIRARECOVERY and then nothing sound");
    damaged.close();
    restart();
    dialogs = common::test::FakeDialogs();
    EXPECT_FALSE(mainWindow->offerRecovery());
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_FALSE(dialogs.warnings[0].text.contains(QLatin1Char('\n')));
    EXPECT_TRUE(dialogs.warnings[0].text.contains(QStringLiteral("damaged.recovery")));
    EXPECT_TRUE(dialogs.yesNoQuestions.empty());
    EXPECT_TRUE(recoveryFiles(recoveryFolder()).isEmpty());
    // The designer goes on as usual.
    mainWindow->NEW_Click();
    EXPECT_TRUE(dialogs.unsavedQuestions.empty());
}

TEST_F(RecoveryTest, ADesignerKilledAfterAChangeIsRestoredByTheNext) {
    QDir().mkpath(recoveryFolder());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(KIRABELLUM_RECOVERY_CHILD), {recoveryFolder()});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray said;
    while (!said.contains("kept\n") && child.state() == QProcess::Running)
        if (child.waitForReadyRead(20000))
            said += child.readAllStandardOutput();
        else
            break;
    ASSERT_TRUE(said.contains("kept\n")) << said.toStdString();
    child.kill(); // SIGKILL: nothing of the child runs after this
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    DesignDocument expected;
    ASSERT_TRUE(ReadDesignFile(QDir(recoveryFolder()).filePath(QStringLiteral("expected.df2")),
                               DesignFileVersion::V1_2, expected)
                    .ok());
    restart();
    dialogs = common::test::FakeDialogs();
    dialogs.yesNoAnswers.push_back(true);
    ASSERT_TRUE(mainWindow->offerRecovery());
    EXPECT_TRUE(dialogs.yesNoQuestions[0].text.contains(QStringLiteral("無題")));
    EXPECT_EQ(designBytes(session->document), designBytes(expected));
    EXPECT_TRUE(session->history.isModified());
    EXPECT_EQ(session->document.layer(1).LayerX, 30);
}

} // namespace
} // namespace kirabellum::test
