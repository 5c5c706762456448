#pragma once

#include "common/CommandWords.h"
#include "common/Status.h"
#include "common/sheets/SheetCommandOptions.h"
#include "common/sheets/SheetGrid.h"
#include "common/sheets/SheetOptions.h"
#include "core/SharedSettings.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace koratune {

// The words of `koratune process`, checked against the ranges the windows
// allow: what to read, what to write and the settings to use on the way.
struct ProcessOptions {
    QString input;
    QString output;
    QString overlay; // empty: no overlay
    SharedSettings settings;
    int columns = 0;
    bool sequence = false;
    // The sheet for a game engine; with its options at their defaults, the
    // sheet of `columns` as the output window writes it.
    common::SheetOptions sheet;
    common::SheetGrid grid;

    // The options of `koratune process`, for its command line.
    static QList<QCommandLineOption> commandOptions();
    // The sheet options among them (its own --columns is read as before).
    static const common::SheetCommandOptions& sheetOptions();

    // Fills `options` from the words of `koratune process`, read with
    // commandOptions(); a failure is a usage error whose message names the word
    // at fault.
    static common::Status read(const common::CommandWords& words, ProcessOptions& options);
};

} // namespace koratune
