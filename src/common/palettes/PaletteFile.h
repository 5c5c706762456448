#pragma once

#include "common/Status.h"
#include "common/palettes/Palette.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace common {

// The palette files pixel artists share.
enum class PaletteFormat {
    Hex,     // .hex: one RRGGBB per line
    Gimp,    // .gpl: "GIMP Palette", then "R G B name" lines, # comments
    Jasc,    // .pal: "JASC-PAL", "0100", the count, then "R G B" lines
    Picture, // .png: every colour of its pixels, in reading order
};

// The format a file's extension names (case aside), if any.
std::optional<PaletteFormat> paletteFormatFor(const QString& path);

// Reads a palette held in `content`. A palette without colours, with more than
// 256, or a line that is no colour is refused, the line named by its number.
Status parsePalette(const QByteArray& content, PaletteFormat format, Palette& palette);

// A built-in palette by its name, or else a palette file by its extension; a
// failure names the file and what is wrong with it.
Status loadPalette(const QString& nameOrPath, Palette& palette);

} // namespace common
