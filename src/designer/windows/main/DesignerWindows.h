#pragma once

#include <QString>

namespace kirabellum {

class ToolWindowHost;

// Makes every tool window of the designer available to the main window.
void registerDesignerWindows(ToolWindowHost& windows);

// Starts the designer's windows and runs until the main window closes: the
// splash, the main window, and, when `designPath` is given, that design opened
// as the Open command would (a name ending in ".df1" as version 1.1).
int runDesignerWindows(int& argc, char** argv, const QString& designPath);

} // namespace kirabellum
