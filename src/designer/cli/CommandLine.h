#pragma once

#include "common/CommandWords.h"

#include <QStringList>

#include <iosfwd>

namespace kirabellum {

using common::ExitCode;
using common::ExitFailure;
using common::ExitSuccess;
using common::ExitUsage;

// True when the words after the program name ask for a headless command (or
// for help or the version) rather than for the designer's windows.
bool isHeadlessCommand(const QStringList& arguments);

// Runs one headless command: `arguments` are the words after the program name.
// Results go to `out`, messages to `err`; the return value is the exit code.
// `errIsTerminal` lets long commands show their progress on `err`.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err,
                   bool errIsTerminal);
// The same without progress, as when messages do not go to a terminal.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace kirabellum
