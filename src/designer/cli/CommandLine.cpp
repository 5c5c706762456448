#include "cli/CommandLine.h"

#include "cli/ConvertCommand.h"

#include <QCoreApplication>

#include <ostream>

namespace kirabellum {

namespace {

const char* const usageText =
    "Usage:\n"
    "  kirabellum                         start the designer's windows\n"
    "  kirabellum convert IN OUT          convert a design between .df2, .df1 (read only)\n"
    "                                     and .json, chosen by extension\n"
    "  kirabellum --help                  show this help\n"
    "  kirabellum --version               show the version\n"
    "\n"
    "Exit codes: 0 success, 1 a file could not be read or written, 2 usage error.\n";

} // namespace

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.isEmpty()) {
        err << usageText;
        return ExitUsage;
    }
    const QString& command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        out << usageText;
        return ExitSuccess;
    }
    if (command == QStringLiteral("--version")) {
        out << "Kirabellum v1.22\n";
        return ExitSuccess;
    }
    if (command == QStringLiteral("convert"))
        return runConvertCommand(rest, out, err);

    err << "kirabellum: unknown command \"" << command.toStdString() << "\"\n\n" << usageText;
    return ExitUsage;
}

} // namespace kirabellum
