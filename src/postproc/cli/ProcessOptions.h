#pragma once

#include "common/CommandWords.h"
#include "common/Status.h"
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

    // The options of `koratune process`, for its command line.
    static QList<QCommandLineOption> commandOptions();

    // Fills `options` from the words of `koratune process`, read with
    // commandOptions(); a failure is a usage error whose message names the word
    // at fault.
    static common::Status read(const common::CommandWords& words, ProcessOptions& options);
};

} // namespace koratune
