// The palette readers on any bytes: the first byte picks the format (.hex,
// .gpl, .pal or .png), the rest is the file. A palette read holds 1 to 256
// colours, and every colour's nearest palette colour is one of them, itself
// when it is in the palette.
#include "FuzzTarget.h"

#include "common/palettes/PaletteFile.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 65536)
        return 0;
    const auto format = static_cast<common::PaletteFormat>(data[0] % 4);
    const QByteArray content(reinterpret_cast<const char*>(data + 1),
                             static_cast<qsizetype>(size - 1));
    common::Palette palette;
    if (!common::parsePalette(content, format, palette).ok())
        return 0;
    fuzz::require(palette.size() >= 1 && palette.size() <= common::Palette::MaximumColours,
                  "a palette holds 1 to 256 colours");
    for (const common::Colour colour : palette.colours())
        fuzz::require(palette.nearest(colour) == colour,
                      "a palette colour is its own nearest colour");
    return 0;
}
