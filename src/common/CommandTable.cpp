#include "common/CommandTable.h"

#include <ostream>

namespace common {

int runCommands(const QString& program, const QString& usage, const QString& version,
                const std::vector<Command>& commands, const QStringList& arguments,
                std::ostream& out, std::ostream& err) {
    CommandWords words(program, usage, usage, {QCommandLineOption(QStringLiteral("version"))});
    words.leaveWordsAfterCommand();
    if (const std::optional<ExitCode> done = words.read(arguments, out, err))
        return *done;
    if (words.isSet(QStringLiteral("version"))) {
        out << version.toStdString() << '\n';
        return ExitSuccess;
    }
    const QStringList given = words.positional();
    if (given.isEmpty())
        return words.usageError(QStringLiteral("no command given"), err);
    for (const Command& command : commands)
        if (command.name == given.first())
            return command.run(given.mid(1), out, err);
    return words.usageError(QStringLiteral("unknown command \"%1\"").arg(given.first()), err);
}

} // namespace common
