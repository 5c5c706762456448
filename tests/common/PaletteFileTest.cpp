// Palettes by name and from the files pixel artists share, the files the
// readers refuse, and the nearest colour as the eye sees it.
#include "common/palettes/PaletteFile.h"
#include "common/palettes/BuiltInPalettes.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace common {
namespace {

QByteArray pngOf(const QImage& picture) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "png");
    return buffer.data();
}

// Two swatches of 2 x 2 pixels each, red then blue, and one transparent pixel.
QByteArray swatchPicture() {
    QImage picture(5, 2, QImage::Format_ARGB32);
    picture.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    picture.setPixel(4, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(4, 1, qRgb(255, 0, 0));
    return pngOf(picture);
}

TEST(PaletteFile, EachFormatGivesItsColoursInTheFilesOrder) {
    const std::vector<Colour> redThenBlue = {makeColour(255, 0, 0), makeColour(0, 0, 255)};
    const struct {
        PaletteFormat format;
        QByteArray content;
    } cases[] = {
        {PaletteFormat::Hex, "ff0000\r\n\n#0000FF\n"},
        {PaletteFormat::Gimp,
         "GIMP Palette\nName: Two\nColumns: 2\n# red, then blue\n255   0   0\tRed\n  0 0 255\n"},
        {PaletteFormat::Jasc, "JASC-PAL\r\n0100\r\n2\r\n255 0 0\r\n0 0 255\r\n"},
        {PaletteFormat::Picture, swatchPicture()},
    };
    for (const auto& c : cases) {
        Palette palette;
        const Status status = parsePalette(c.content, c.format, palette);
        ASSERT_TRUE(status.ok()) << status.message().toStdString();
        EXPECT_EQ(palette.colours(), redThenBlue) << static_cast<int>(c.format);
    }
}

TEST(PaletteFile, ABadFileIsRefusedNamingTheLineAtFault) {
    QByteArray tooMany;
    for (int index = 0; index < 257; ++index)
        tooMany += QByteArray::number(index % 256) + " 0 " + QByteArray::number(index / 256) + "\n";
    QImage manyColours(257, 1, QImage::Format_RGB32);
    for (int x = 0; x < 257; ++x)
        manyColours.setPixel(x, 0, qRgb(x % 256, x / 256, 0));
    const struct {
        PaletteFormat format;
        QByteArray content;
        const char* message;
    } cases[] = {
        {PaletteFormat::Hex, "\n\n", "The palette has no colours"},
        {PaletteFormat::Hex, "ff0000\nred\n", "Line 2 is not a colour: \"red\""},
        {PaletteFormat::Hex, "ff00000\n", "Line 1 is not a colour: \"ff00000\""},
        {PaletteFormat::Gimp, "GIMP Palette\n0 0 256 Too bright\n",
         "Line 2 is not a colour: \"0 0 256 Too bright\""},
        {PaletteFormat::Gimp, "GIMP Palette\n" + tooMany, "more than 256 colours"},
        {PaletteFormat::Gimp, "Palette\n0 0 0\n", "The first line is not \"GIMP Palette\""},
        {PaletteFormat::Jasc, "JASC-PAL\n0100\n3\n1 2 3\n",
         "Line 3 counts 3 colours, but 1 follow"},
        {PaletteFormat::Jasc, "JASC-PAL\n0100\n1\n1 2\n", "Line 4 is not a colour: \"1 2\""},
        {PaletteFormat::Jasc, "JASC-PAL\n0100\nmany\n", "Line 3 is not a colour count"},
        {PaletteFormat::Picture, "not a picture", "The picture cannot be read"},
        {PaletteFormat::Picture, pngOf(manyColours), "more than 256 colours"},
    };
    for (const auto& c : cases) {
        Palette palette;
        const Status status = parsePalette(c.content, c.format, palette);
        ASSERT_FALSE(status.ok()) << c.message;
        EXPECT_TRUE(status.message().contains(QString::fromUtf8(c.message)))
            << status.message().toStdString();
    }
}

TEST(PaletteFile, NamesComeBeforeFilesAndAFailureNamesTheFile) {
    Palette palette;
    ASSERT_TRUE(loadPalette(QStringLiteral("game-boy"), palette).ok());
    EXPECT_EQ(palette.size(), 4);
    for (const QString& name : builtInPaletteNames())
        EXPECT_TRUE(loadPalette(name, palette).ok()) << name.toStdString();

    QTemporaryDir folder;
    const QString broken = folder.filePath(QStringLiteral("broken.gpl"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GIMP Palette\n1 2\n");
    file.close();
    const Status status = loadPalette(broken, palette);
    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(broken)) << status.message().toStdString();
    EXPECT_TRUE(status.message().contains(QStringLiteral("Line 2")))
        << status.message().toStdString();
    const Status unknown = loadPalette(QStringLiteral("nes"), palette);
    EXPECT_TRUE(unknown.message().contains(QStringLiteral("pico-8")))
        << unknown.message().toStdString();
}

TEST(Palette, TheNearestColourIsTheOneTheEyeSeesNearest) {
    const Palette gameBoy = *builtInPalette(QStringLiteral("game-boy"));
    const struct {
        Colour colour;
        int nearest;
    } cases[] = {
        {makeColour(0, 0, 0), 0},
        {makeColour(255, 255, 255), 3},
        {makeColour(0x30, 0x62, 0x30), 1},
        // Pure blue is dark to the eye: the darker greens, not the brighter.
        {makeColour(0, 0, 255), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gameBoy.nearestIndex(c.colour), c.nearest) << colourToHex(c.colour).toStdString();
}

} // namespace
} // namespace common
