#include "cli/CommandLine.h"

#include "cli/ProcessCommand.h"
#include "common/CommandTable.h"
#include "core/ProgramInfo.h"

#include <ostream>

namespace koratune {

namespace {

const char* const usageText =
    "Usage:\n"
    "  koratune [--language ja|en]\n"
    "                           start the post-processor's windows in Japanese or\n"
    "                           English (default: the language last chosen in the\n"
    "                           View menu)\n"
    "  koratune process INPUT -o OUT [options]\n"
    "                           turn a frame image into a sheet of frames or a sequence\n"
    "  koratune process --help  show the options of process\n"
    "  koratune --help          show this help\n"
    "  koratune --version       show the version\n"
    "\n";

const char* const exitCodesText =
    "\n"
    "Exit codes: 0 success, 1 an image could not be read or written, 2 usage error.\n";

} // namespace

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err,
                   bool errIsTerminal) {
    const QString usage =
        QString::fromUtf8(usageText) + processOptionsHelp() + QString::fromUtf8(exitCodesText);
    const auto process = [errIsTerminal](const QStringList& words, std::ostream& output,
                                         std::ostream& messages) {
        return runProcessCommand(words, output, messages, errIsTerminal);
    };
    return common::runCommands(QStringLiteral("koratune"), usage, QString::fromLatin1(ProgramTitle),
                               {{QStringLiteral("process"), process}}, arguments, out, err);
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    return runCommandLine(arguments, out, err, false);
}

} // namespace koratune
