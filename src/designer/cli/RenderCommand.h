#pragma once

#include <QStringList>

#include <iosfwd>

namespace kirabellum {

// kirabellum render DESIGN -o OUT [--seed N] [--loop [--cycles K]]: reads the
// design in the format its extension names, renders it exactly as the render
// button would with the design's seed fixed at N (and in loop mode when asked)
// and writes the whole frame strip. Returns the exit code. `showProgress` prints
// "frame n of N" on `err` while rendering.
int runRenderCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                     bool showProgress);

} // namespace kirabellum
