#include "cli/CommandLine.h"
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

    // Headless commands need no display: they run on the core alone.
    if (kirabellum::isHeadlessCommand(arguments)) {
        QCoreApplication application(argc, argv);
        return kirabellum::runCommandLine(arguments, std::cout, std::cerr, isatty(2) != 0);
    }
    return kirabellum::runDesignerWindows(argc, argv,
                                          arguments.isEmpty() ? QString() : arguments.first());
}
