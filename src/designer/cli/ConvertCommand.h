#pragma once

#include <QStringList>

#include <iosfwd>

namespace kirabellum {

// kirabellum convert IN OUT: reads a design in the format its extension names
// (see DesignFormat) and writes it in the format OUT's extension names.
// Returns the exit code.
int runConvertCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace kirabellum
