#include "cli/CommandLine.h"

#include "cli/ConvertCommand.h"
#include "cli/RenderCommand.h"

#include <QCoreApplication>

#include <ostream>

namespace kirabellum {

namespace {

const char* const usageText =
    "Usage:\n"
    "  kirabellum [DESIGN]                start the designer's windows, opening DESIGN\n"
    "                                     (.df2, or .df1 by extension) when given\n"
    "  kirabellum convert IN OUT          convert a design between .df2, .df1 (read only)\n"
    "                                     and .json, chosen by extension\n"
    "  kirabellum render DESIGN -o OUT [--seed N]\n"
    "                                     render a design (.df2, or .df1 by extension) into\n"
    "                                     its frame strip, written as .bmp (24-bit) or .png;\n"
    "                                     N seeds the random generator (default 0)\n"
    "  kirabellum --help                  show this help\n"
    "  kirabellum --version               show the version\n"
    "\n"
    "Exit codes: 0 success, 1 a file could not be read or written, 2 usage error.\n";

} // namespace

bool isHeadlessCommand(const QStringList& arguments) {
    if (arguments.isEmpty())
        return false;
    const QString& first = arguments.first();
    return first == QStringLiteral("convert") || first == QStringLiteral("render") ||
           first.startsWith(QLatin1Char('-')) || arguments.size() > 1;
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err,
                   bool errIsTerminal) {
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
    if (command == QStringLiteral("render"))
        return runRenderCommand(rest, out, err, errIsTerminal);

    err << "kirabellum: unknown command \"" << command.toStdString() << "\"\n\n" << usageText;
    return ExitUsage;
}

} // namespace kirabellum
