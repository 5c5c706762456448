// The designer that the recovery test kills: it makes changes through its
// windows, lets the timer keep them in the recovery folder given as its
// argument, writes the design it holds beside them for comparison, prints
// "kept" and runs until it is killed.
#include "DesignerFixture.h"

#include "core/document/DesignFile.h"
#include "windows/editors/F_Editer.h"

#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace kirabellum;
    QApplication application(argc, argv);
    // Nothing goes to the user's folders or settings.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    if (application.arguments().size() != 2)
        return 2;
    const QString folder = application.arguments().at(1);

    common::test::FakeDialogs dialogs;
    DesignerSession session(dialogs, 0, folder);
    MDIForm1 mainWindow(session);
    registerDesignerWindows(mainWindow.windows());
    mainWindow.show();
    mainWindow.NEW_Click();
    auto* editor = mainWindow.windows().openAs<F_Editer>(ToolKind::Editer);
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    DesignerFixture::press(editor->Picture1, {30.4, 120.6}, Qt::LeftButton);
    DesignerFixture::clickArrow(editor->HScroll3, true);
    mainWindow.RecoveryTimer_Timer();
    if (!WriteDesignFile(QDir(folder).filePath(QStringLiteral("expected.df2")), session.document)
             .ok())
        return 1;
    std::printf("kept\n");
    std::fflush(stdout);
    return QApplication::exec();
}
