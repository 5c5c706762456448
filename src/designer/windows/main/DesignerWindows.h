#pragma once

#include "common/InterfaceLanguage.h"

#include <QString>

#include <optional>

namespace kirabellum {

class ToolWindowHost;

// Makes every tool window of the designer available to the main window.
void registerDesignerWindows(ToolWindowHost& windows);

// Starts the designer's windows and runs until the main window closes: the
// splash, the main window, and, when `designPath` is given, that design opened
// in the format its extension names (.df2, .df1 or .json). The windows speak
// `language`, or else the language last chosen in the View menu.
int runDesignerWindows(int& argc, char** argv, const QString& designPath,
                       std::optional<common::InterfaceLanguage> language = std::nullopt);

} // namespace kirabellum
