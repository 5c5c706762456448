#pragma once

#include <QStringList>

#include <iosfwd>

namespace koratune {

// Exit codes of the headless commands.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitFailure = 1, // an image could not be read or written
    ExitUsage = 2,   // the command line itself is wrong
};

// Runs one headless command: `arguments` are the words after the program name.
// Results go to `out`, messages to `err`; the return value is the exit code.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace koratune
