#pragma once

#include <QStringList>

#include <iosfwd>

namespace kirabellum {

// kirabellum convert IN OUT: reads a design (.df2, .df1 or .json by extension)
// and writes it as .df2 or .json. Returns the exit code.
int runConvertCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace kirabellum
