#pragma once

#include "core/SharedSettings.h"
#include "common/Status.h"

#include <QString>
#include <QStringList>

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

    // Fills `options` from the words after "process"; a failure is a usage
    // error whose message names the word at fault.
    static common::Status parse(const QStringList& arguments, ProcessOptions& options);
};

} // namespace koratune
