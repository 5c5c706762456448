#pragma once

#include <QString>

namespace kirabellum {

class ToolWindowHost;

// Makes every tool window of the designer available to the main window.
void registerDesignerWindows(ToolWindowHost& windows);

// Starts the designer's windows and runs until the main window closes: the
// splash, the main window, and, when `designPath` is given, that design opened
// in the format its extension names (.df2, .df1 or .json).
int runDesignerWindows(int& argc, char** argv, const QString& designPath);

} // namespace kirabellum
