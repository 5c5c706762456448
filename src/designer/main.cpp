#include "cli/CommandLine.h"
#include "common/InterfaceLanguage.h"
#include "windows/main/DesignerWindows.h"

#include <QCoreApplication>

#include <iostream>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));

    // Headless commands need no display: they run on the core alone. The
    // windows take --language besides a design.
    const common::WindowArguments windows = common::takeLanguageOption(arguments);
    if (!kirabellum::isHeadlessCommand(windows.rest)) {
        if (!windows.error.isEmpty()) {
            std::cerr << "kirabellum: " << windows.error.toStdString() << '\n';
            return 2;
        }
        return kirabellum::runDesignerWindows(
            argc, argv, windows.rest.isEmpty() ? QString() : windows.rest.first(),
            windows.language);
    }
    QCoreApplication application(argc, argv);
    return kirabellum::runCommandLine(arguments, std::cout, std::cerr, isatty(2) != 0);
}
