#pragma once

#include "common/CommandWords.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <iosfwd>
#include <vector>

namespace common {

// One headless command of a program: its name and how it runs on the words
// after it.
struct Command {
    QString name;
    std::function<int(const QStringList& words, std::ostream& out, std::ostream& err)> run;
};

// Runs a program's command line: --help prints `usage`, --version prints
// `version`, the first word names one of `commands`, which runs on the words
// after it; no command or an unknown one is a usage error.
int runCommands(const QString& program, const QString& usage, const QString& version,
                const std::vector<Command>& commands, const QStringList& arguments,
                std::ostream& out, std::ostream& err);

} // namespace common
