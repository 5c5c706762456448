#include "cli/CommandLine.h"

#include <QCoreApplication>

#include <iostream>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    return kirabellum::runCommandLine(QCoreApplication::arguments().mid(1), std::cout, std::cerr,
                                      isatty(2) != 0);
}
