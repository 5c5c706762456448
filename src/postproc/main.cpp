#include "cli/CommandLine.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    return koratune::runCommandLine(QCoreApplication::arguments().mid(1), std::cout, std::cerr);
}
