#pragma once

#include "common/palettes/Palette.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace common {

// The palettes known by name: "pico-8" (16 colours), "game-boy" (4 greens),
// "sweetie-16", "endesga-32" and "1-bit" (black and white).
std::optional<Palette> builtInPalette(const QString& name);
QStringList builtInPaletteNames();

} // namespace common
