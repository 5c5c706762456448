#pragma once

#include "common/CommandWords.h"

#include <QStringList>

#include <iosfwd>

namespace koratune {

using common::ExitCode;
using common::ExitFailure;
using common::ExitSuccess;
using common::ExitUsage;

// Runs one headless command: `arguments` are the words after the program name.
// Results go to `out`, messages to `err`; the return value is the exit code.
// `errIsTerminal` lets a command add what only a person reads on `err`.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err,
                   bool errIsTerminal);
// The same as when messages do not go to a terminal.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace koratune
