#include "common/palettes/BuiltInPalettes.h"

#include <vector>

namespace common {

namespace {

struct NamedPalette {
    const char* name;
    std::vector<Colour> colours;
};

constexpr Colour hex(unsigned value) {
    return makeColour(static_cast<int>(value >> 16), static_cast<int>(value >> 8),
                      static_cast<int>(value));
}

const std::vector<NamedPalette>& namedPalettes() {
    static const std::vector<NamedPalette> palettes = {
        {"pico-8",
         {hex(0x000000), hex(0x1d2b53), hex(0x7e2553), hex(0x008751), hex(0xab5236), hex(0x5f574f),
          hex(0xc2c3c7), hex(0xfff1e8), hex(0xff004d), hex(0xffa300), hex(0xffec27), hex(0x00e436),
          hex(0x29adff), hex(0x83769c), hex(0xff77a8), hex(0xffccaa)}},
        {"game-boy", {hex(0x0f380f), hex(0x306230), hex(0x8bac0f), hex(0x9bbc0f)}},
        {"sweetie-16",
         {hex(0x1a1c2c), hex(0x5d275d), hex(0xb13e53), hex(0xef7d57), hex(0xffcd75), hex(0xa7f070),
          hex(0x38b764), hex(0x257179), hex(0x29366f), hex(0x3b5dc9), hex(0x41a6f6), hex(0x73eff7),
          hex(0xf4f4f4), hex(0x94b0c2), hex(0x566c86), hex(0x333c57)}},
        {"endesga-32",
         {hex(0xbe4a2f), hex(0xd77643), hex(0xead4aa), hex(0xe4a672), hex(0xb86f50), hex(0x733e39),
          hex(0x3e2731), hex(0xa22633), hex(0xe43b44), hex(0xf77622), hex(0xfeae34), hex(0xfee761),
          hex(0x63c74d), hex(0x3e8948), hex(0x265c42), hex(0x193c3e), hex(0x124e89), hex(0x0099db),
          hex(0x2ce8f5), hex(0xffffff), hex(0xc0cbdc), hex(0x8b9bb4), hex(0x5a6988), hex(0x3a4466),
          hex(0x262b44), hex(0x181425), hex(0xff0044), hex(0x68386c), hex(0xb55088), hex(0xf6757a),
          hex(0xe8b796), hex(0xc28569)}},
        {"1-bit", {hex(0x000000), hex(0xffffff)}},
    };
    return palettes;
}

} // namespace

std::optional<Palette> builtInPalette(const QString& name) {
    for (const NamedPalette& palette : namedPalettes())
        if (name == QLatin1String(palette.name))
            return Palette(palette.colours);
    return std::nullopt;
}

QStringList builtInPaletteNames() {
    QStringList names;
    for (const NamedPalette& palette : namedPalettes())
        names << QString::fromLatin1(palette.name);
    return names;
}

} // namespace common
