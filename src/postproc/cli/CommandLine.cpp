#include "cli/CommandLine.h"

#include "cli/ProcessCommand.h"

#include <ostream>

namespace koratune {

namespace {

const char* const usageText =
    "Usage:\n"
    "  koratune                 start the post-processor's windows\n"
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

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QString usage = QString::fromUtf8(usageText) + QString::fromUtf8(processOptionsHelp()) +
                          QString::fromUtf8(exitCodesText);
    common::CommandWords words(QStringLiteral("koratune"), usage, usage,
                               {QCommandLineOption(QStringLiteral("version"))});
    words.leaveWordsAfterCommand();
    if (const std::optional<ExitCode> done = words.read(arguments, out, err))
        return *done;
    if (words.isSet(QStringLiteral("version"))) {
        out << "Koratune v1.1\n";
        return ExitSuccess;
    }
    const QStringList command = words.positional();
    if (command.isEmpty())
        return words.usageError(QStringLiteral("no command given"), err);
    if (command.first() == QStringLiteral("process"))
        return runProcessCommand(command.mid(1), out, err);
    return words.usageError(QStringLiteral("unknown command \"%1\"").arg(command.first()), err);
}

} // namespace koratune
