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

// What a built program gave, as a shell sees it.
struct ProgramResult {
    int exitCode; // -1 when the program crashed
    QByteArray out;
    QByteArray err;
};

// Runs a built program in an environment where no window can open, so that
// its commands are seen not to need a display.
ProgramResult runProgramWithoutDisplay(const QString& program, const QStringList& arguments);

} // namespace common::test
