#include "common/Colour.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(Colour, RedIsTheLowestByteAndPixelsConvertBothWays) {
    const Colour colour = makeColour(0x12, 0x34, 0x56);
    EXPECT_EQ(colour, 0x563412u);
    EXPECT_EQ(colourToRgb(colour), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(colourFromRgb(qRgba(0x12, 0x34, 0x56, 0x80)), colour);
}

TEST(Colour, HexTextIsRedFirstAndOnlyExactlySixDigitsAreRead) {
    EXPECT_EQ(colourToHex(makeColour(255, 128, 1)), QStringLiteral("#FF8001"));
    const struct {
        const char* text;
        bool valid;
        Colour colour;
    } cases[] = {
        {"#FF8001", true, makeColour(255, 128, 1)},
        {"#ff8001", true, makeColour(255, 128, 1)},
        {"FF8001", false, 0},
        {"#FF800", false, 0},
        {"#FF80011", false, 0},
        {"#FF80G1", false, 0},
        {"#+F8001", false, 0},
        {"# F8001", false, 0},
    };
    for (const auto& c : cases) {
        Colour colour = 7;
        EXPECT_EQ(colourFromHex(QString::fromLatin1(c.text), colour), c.valid) << c.text;
        EXPECT_EQ(colour, c.valid ? c.colour : 7u) << c.text;
    }
}

} // namespace
} // namespace common
