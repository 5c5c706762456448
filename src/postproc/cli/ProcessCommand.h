#pragma once

#include <QStringList>

#include <iosfwd>

namespace koratune {

// koratune process INPUT -o OUT [options]: opens INPUT, composites the
// overlay, recolours, lays the frames out and writes the sheet or the
// sequence, as the windows do. Returns the exit code.
int runProcessCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

// The options of process as the helps list them.
const char* processOptionsHelp();

} // namespace koratune
