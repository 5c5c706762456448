#include "cli/CommandLine.h"
#include "common/InterfaceLanguage.h"
#include "common/windows/LanguageMenu.h"
#include "common/windows/WidgetDialogs.h"
#include "common/windows/WindowTranslations.h"
#include "core/ProgramInfo.h"
#include "windows/MDIForm1.h"
#include "windows/Versionf.h"

#include <QApplication>
#include <QCoreApplication>

#include <iostream>
#include <optional>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace {

// The windows: the version window comes first, then the main window, which
// opens the preview, the console and the colour window; the version window
// stays above until it is clicked, loses the focus or its time is up.
int runWindows(int argc, char* argv[], std::optional<common::InterfaceLanguage> language) {
    QApplication application(argc, argv);
    // The window system finds the menu entry, and so the icon, by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(koratune::ProgramId));
    common::WindowTranslations translations(language.value_or(common::savedInterfaceLanguage()));
    common::WidgetDialogs dialogs;
    auto* version = new koratune::Versionf;
    version->setAttribute(Qt::WA_DeleteOnClose);
    koratune::PostprocSession session(dialogs);
    koratune::MDIForm1 mainWindow(session);
    dialogs.setMainWindow(&mainWindow);
    common::addLanguageMenu(*mainWindow.viewMenu(), translations);
    // Message boxes and the version window take the program's icon too.
    application.setWindowIcon(mainWindow.windowIcon());
    mainWindow.show();
    version->show();
    return application.exec();
}

} // namespace

// Without arguments (or with --language alone) koratune starts its windows;
// with a command it runs headless, needing no display.
int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    const common::WindowArguments windows = common::takeLanguageOption(arguments);
    if (windows.rest.isEmpty()) {
        if (!windows.error.isEmpty()) {
            std::cerr << "koratune: " << windows.error.toStdString() << '\n';
            return 2;
        }
        return runWindows(argc, argv, windows.language);
    }
    QCoreApplication application(argc, argv);
    return koratune::runCommandLine(QCoreApplication::arguments().mid(1), std::cout, std::cerr,
                                    isatty(2) != 0);
}
