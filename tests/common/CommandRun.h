#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <iosfwd>
#include <string>

namespace common::test {

// What a command line run inside the test gave: its exit code and streams.
struct CommandResult {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs `command` with string streams for its output and its messages.
CommandResult
captureCommand(const std::function<int(std::ostream& out, std::ostream& err)>& command);

// Runs a program's command line on `arguments` with string streams.
using CommandLine = int (*)(const QStringList& arguments, std::ostream& out, std::ostream& err);
CommandResult captureCommandLine(CommandLine commandLine, const QStringList& arguments);

// What a built program gave, as a shell sees it.
struct ProgramResult {
    int exitCode; // -1 when the program crashed
    QByteArray out;
    QByteArray err;
};

// Runs a built program in an environment where no window can open, so that
// its commands are seen not to need a display.
ProgramResult runProgramWithoutDisplay(const QString& program, const QStringList& arguments);

// One row of a table of command lines: the words, the exit code, and a part
// of what the output and the messages must hold ("" for anything).
struct ExpectedRun {
    QStringList arguments;
    int exitCode;
    const char* out;
    const char* err;
};

// Checks a run against its row; a failing row names its words.
void expectRun(const ExpectedRun& expected, const CommandResult& result);
void expectRun(const ExpectedRun& expected, const ProgramResult& result);

} // namespace common::test
