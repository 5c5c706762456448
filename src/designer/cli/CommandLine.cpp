#include "cli/CommandLine.h"

#include "cli/ConvertCommand.h"
#include "cli/RenderCommand.h"
#include "common/CommandTable.h"
#include "core/ProgramInfo.h"

#include <ostream>

namespace kirabellum {

namespace {

const char* const usageText =
    "Usage:\n"
    "  kirabellum [--language ja|en] [DESIGN]\n"
    "                                     start the designer's windows, opening DESIGN\n"
    "                                     (.df2, .df1 or .json, by extension) when given,\n"
    "                                     in Japanese or English (default: the language\n"
    "                                     last chosen in the View menu)\n"
    "  kirabellum convert IN OUT [--drop-extras]\n"
    "                                     convert a design between .df2, .df1 (read only)\n"
    "                                     and .json, chosen by extension; --drop-extras\n"
    "                                     leaves out the layer effects a .df2 cannot hold\n"
    "  kirabellum render DESIGN -o OUT [--seed N] [--loop [--cycles K]] [sheet options]\n"
    "                                     render a design (.df2, .df1 or .json) into its\n"
    "                                     frame strip, written as .bmp (24-bit) or .png;\n"
    "                                     N seeds the random generator (default 0);\n"
    "                                     --loop renders one seamless period (K of them\n"
    "                                     with --cycles); the sheet options make a sheet\n"
    "                                     for a game engine (kirabellum render --help)\n"
    "  kirabellum COMMAND --help          show the help of one command\n"
    "  kirabellum --help                  show this help\n"
    "  kirabellum --version               show the version\n"
    "\n"
    "An option's value is the next word or follows an \"=\": -o OUT, --output OUT and\n"
    "--output=OUT are the same.\n"
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
    const auto render = [errIsTerminal](const QStringList& words, std::ostream& output,
                                        std::ostream& messages) {
        return runRenderCommand(words, output, messages, errIsTerminal);
    };
    return common::runCommands(
        QStringLiteral("kirabellum"), QString::fromUtf8(usageText),
        QString::fromLatin1(ProgramTitle),
        {{QStringLiteral("convert"), runConvertCommand}, {QStringLiteral("render"), render}},
        arguments, out, err);
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    return runCommandLine(arguments, out, err, false);
}

} // namespace kirabellum
