#pragma once

#include <QString>
#include <QStringList>

#include <iosfwd>

namespace koratune {

// koratune process INPUT -o OUT [options]: opens INPUT, composites the
// overlay, recolours, lays the frames out and writes the sheet or the
// sequence, as the windows do; with sheet options, a sheet for a game engine
// and its metadata. Returns the exit code. `showTiles` prints the sheet's
// tiles and frame rate on `err`, for a terminal.
int runProcessCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                      bool showTiles);

// The options of process as the helps list them.
QString processOptionsHelp();

} // namespace koratune
