#pragma once

#include "common/Colour.h"

#include <array>
#include <vector>

namespace common {

// A fixed set of colours pixel art is locked to, in the order its file gives
// them: 1 to 256 colours (duplicates kept, so indices stay the file's).
class Palette {
public:
    static constexpr int MaximumColours = 256;

    Palette() = default;
    // `colours` holds 1 to MaximumColours colours.
    explicit Palette(std::vector<Colour> colours);

    const std::vector<Colour>& colours() const { return colours_; }
    int size() const { return static_cast<int>(colours_.size()); }
    Colour colour(int index) const { return colours_[static_cast<std::size_t>(index)]; }

    // The index of the colour nearest `colour` as the eye sees it: the
    // smallest squared distance in the Oklab colour space, the first on a tie.
    int nearestIndex(Colour colour) const;
    Colour nearest(Colour colour) const { return this->colour(nearestIndex(colour)); }

private:
    std::vector<Colour> colours_;
    // Each colour in Oklab (L, a, b).
    std::vector<std::array<double, 3>> oklab_;
};

// A colour in Oklab (L, a, b) from its sRGB channels.
std::array<double, 3> oklabOf(Colour colour);

} // namespace common
