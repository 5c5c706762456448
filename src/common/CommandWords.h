#pragma once

#include "common/Status.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <iosfwd>
#include <optional>

namespace common {

// Exit codes of both programs' headless commands.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitFailure = 1, // a file could not be read, rendered or written
    ExitUsage = 2,   // the command line itself is wrong
};

// The words of one headless command, read by QCommandLineParser alike in both
// programs: an option's value is the next word or follows an "=" ("-o OUT",
// "--output OUT" and "--output=OUT" are the same), and -h or --help asks for
// the command's help. Every message starts with the command's name.
class CommandWords {
public:
    // `name` as messages show it ("kirabellum render"); `usage` follows every
    // usage error; `help` is what -h and --help print.
    CommandWords(const QString& name, const QString& usage, const QString& help,
                 const QList<QCommandLineOption>& options);

    // For a program's own words: the first word that is no option names a
    // command, and that word and all after it are left to the command.
    void leaveWordsAfterCommand();

    // Reads the words after the name. Help asked for is printed on `out` and
    // gives ExitSuccess; an unknown option, a missing, empty or unexpected value
    // is printed on `err` with the usage and gives ExitUsage. Otherwise the
    // result is empty and the command runs with the words read.
    std::optional<ExitCode> read(const QStringList& words, std::ostream& out, std::ostream& err);

    bool isSet(const QString& option) const { return parser_.isSet(option); }
    QString value(const QString& option) const { return parser_.value(option); }
    // Every value of an option that may be given more than once, in order.
    QStringList values(const QString& option) const { return parser_.values(option); }
    // Reads the whole number given for `option` into `number`, which keeps its
    // value when the option is not given. A failure names the option:
    // "--frames expects a whole number, not "x"", "--frames must be from 1 to
    // 256, not 300".
    Status wholeNumber(const QString& option, int minimum, int maximum, int& number) const;
    QStringList positional() const { return parser_.positionalArguments(); }

    // A usage error found in the words read: "<name>: <problem>", then the
    // usage, on `err`. Returns ExitUsage.
    ExitCode usageError(const QString& problem, std::ostream& err) const;

private:
    // Why the parser refused `words`, in the words of the other messages.
    QString parseProblem(const QStringList& words) const;
    // The first option given without a value or with an empty one, if any.
    QString missingValue() const;

    QString name_;
    QString usage_;
    QString help_;
    QList<QCommandLineOption> options_;
    QCommandLineParser parser_;
};

} // namespace common
