#pragma once

#include "common/CommandWords.h"
#include "common/Status.h"
#include "common/sheets/SheetOptionTable.h"
#include "common/sheets/SheetOptions.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace common {

// The sheet options a command line takes: each program names the ones it
// offers (the designer has no --background: its background is the ramp's).
class SheetCommandOptions {
public:
    explicit SheetCommandOptions(std::vector<SheetOption> offered);

    // The options for the command's CommandWords.
    QList<QCommandLineOption> commandOptions() const;

    // The lines of the command's help for these options, aligned as the other
    // options' lines; `defaults` holds the text shown in brackets after an
    // option, for the options that have one.
    QString help(const std::map<SheetOption, QString>& defaults) const;

    // Fills `options` from the words read. A value outside its range is a
    // failure whose message names the option. The columns are only known to
    // be a whole number here; SheetGrid::layOut checks them against the frames.
    Status read(const CommandWords& words, SheetOptions& options) const;

    // The first of these options given, as typed ("--alpha"), if any: for
    // outputs that take none of them.
    std::optional<QString> firstGiven(const CommandWords& words) const;

private:
    bool offers(SheetOption option) const;

    std::vector<SheetOption> offered_;
};

} // namespace common
