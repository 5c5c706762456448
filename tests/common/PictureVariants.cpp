#include "PictureVariants.h"

#include <QBuffer>

#include <cstdint>
#include <functional>

namespace common::test {

namespace {

// Colour c of the eight whose components are 0 or full: bit 2 red, 1 green, 0 blue.
QRgb corner(int c) {
    return qRgb(c & 4 ? 255 : 0, c & 2 ? 255 : 0, c & 1 ? 255 : 0);
}

// The picture's pattern: an index into `colours` for every pixel.
struct Pattern {
    int width;
    int height;
    int colours; // 2 (black and white) or 8 (every corner)

    int index(int x, int y) const { return (x + 3 * y) % colours; }
    QRgb colour(int x, int y) const {
        const int i = index(x, y);
        return colours == 2 ? corner(i == 0 ? 0 : 7) : corner(i);
    }
    QImage image() const {
        QImage picture(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y, colour(x, y));
        return picture;
    }
};

class Bytes {
public:
    void u8(int value) { data_.append(static_cast<char>(value & 0xFF)); }
    void u16(int value) {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            u8(static_cast<int>(value >> shift));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void padTo(int multiple) {
        while (data_.size() % multiple != 0)
            u8(0);
    }
    void append(const QByteArray& bytes) { data_.append(bytes); }
    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
};

enum Compression { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct BitmapForm {
    int bitCount = 24;
    Compression compression = Rgb;
    bool topDown = false;
    int paletteEntries = 0;          // entries written; 0 for none
    int colourCount = 8;             // colours of the pattern
    std::uint32_t masks[4] = {};     // red, green, blue, alpha for bit fields
    bool fiveHeader = false;         // the 124-byte header that carries an alpha mask
    std::function<int(int x)> alpha; // the alpha byte of 32-bit pixels
};

// One component of a corner colour in a field of `bits` bits: 0 or full.
std::uint32_t field(QRgb colour, int component, int bits) {
    const int value = component == 0   ? qRed(colour)
                      : component == 1 ? qGreen(colour)
                                       : qBlue(colour);
    return value == 0 ? 0u : (1u << bits) - 1u;
}

QByteArray packedRow(const Pattern& pattern, const BitmapForm& form, int y) {
    Bytes row;
    const int width = pattern.width;
    switch (form.bitCount) {
    case 1:
    case 4:
    case 8: {
        const int perByte = 8 / form.bitCount;
        for (int x = 0; x < width; x += perByte) {
            int byte = 0;
            for (int part = 0; part < perByte; ++part) {
                const int index = x + part < width ? pattern.index(x + part, y) : 0;
                byte |= index << (8 - form.bitCount * (part + 1));
            }
            row.u8(byte);
        }
        break;
    }
    case 16:
        for (int x = 0; x < width; ++x) {
            const QRgb colour = pattern.colour(x, y);
            const bool six = form.masks[1] == 0x07E0;
            row.u16(static_cast<int>(
                six ? field(colour, 0, 5) << 11 | field(colour, 1, 6) << 5 | field(colour, 2, 5)
                    : field(colour, 0, 5) << 10 | field(colour, 1, 5) << 5 | field(colour, 2, 5)));
        }
        break;
    default:
        for (int x = 0; x < width; ++x) {
            const QRgb colour = pattern.colour(x, y);
            row.u8(qBlue(colour));
            row.u8(qGreen(colour));
            row.u8(qRed(colour));
            if (form.bitCount == 32)
                row.u8(form.alpha ? form.alpha(x) : 0);
        }
    }
    row.padTo(4);
    return row.data();
}

// Run-length data: RLE8 rows alternate absolute and encoded runs; RLE4 rows are
// encoded pairs of pixels.
QByteArray runLengthData(const Pattern& pattern, const BitmapForm& form) {
    Bytes data;
    for (int y = pattern.height - 1; y >= 0; --y) {
        const bool rowFromBottom = (pattern.height - 1 - y) % 2 == 0;
        if (form.compression == Rle8 && rowFromBottom && pattern.width >= 3) {
            data.u8(0);
            data.u8(pattern.width);
            for (int x = 0; x < pattern.width; ++x)
                data.u8(pattern.index(x, y));
            data.padTo(2);
        } else if (form.compression == Rle8) {
            for (int x = 0; x < pattern.width; ++x) {
                data.u8(1);
                data.u8(pattern.index(x, y));
            }
        } else {
            for (int x = 0; x < pattern.width; x += 2) {
                const bool pair = x + 1 < pattern.width;
                data.u8(pair ? 2 : 1);
                data.u8(pattern.index(x, y) << 4 | (pair ? pattern.index(x + 1, y) : 0));
            }
        }
        data.u8(0);
        data.u8(y == 0 ? 1 : 0); // end of the bitmap after the top row, else of the line
    }
    return data.data();
}

QByteArray bitmap(const Pattern& pattern, const BitmapForm& form) {
    QByteArray pixels;
    if (form.compression == Rle8 || form.compression == Rle4) {
        pixels = runLengthData(pattern, form);
    } else {
        for (int step = 0; step < pattern.height; ++step)
            pixels += packedRow(pattern, form, form.topDown ? step : pattern.height - 1 - step);
    }
    const bool separateMasks = form.compression == BitFields && !form.fiveHeader;
    const int headerBytes = form.fiveHeader ? 124 : 40;
    const int offset = 14 + headerBytes + (separateMasks ? 12 : 0) + 4 * form.paletteEntries;

    Bytes file;
    file.u8('B');
    file.u8('M');
    file.u32(static_cast<std::uint32_t>(offset + pixels.size()));
    file.u32(0);
    file.u32(static_cast<std::uint32_t>(offset));
    file.u32(static_cast<std::uint32_t>(headerBytes));
    file.i32(pattern.width);
    file.i32(form.topDown ? -pattern.height : pattern.height);
    file.u16(1);
    file.u16(form.bitCount);
    file.u32(static_cast<std::uint32_t>(form.compression));
    file.u32(static_cast<std::uint32_t>(pixels.size()));
    file.i32(2835);
    file.i32(2835);
    file.u32(static_cast<std::uint32_t>(form.paletteEntries));
    file.u32(0);
    if (form.fiveHeader) {
        for (std::uint32_t mask : form.masks)
            file.u32(mask);
        file.u32(0x73524742); // "sRGB"
        for (int skip = 0; skip < 36 + 12 + 16; skip += 4)
            file.u32(0);
    } else if (separateMasks) {
        for (int component = 0; component < 3; ++component)
            file.u32(form.masks[component]);
    }
    for (int entry = 0; entry < form.paletteEntries; ++entry) {
        const QRgb colour = form.colourCount == 2 ? corner(entry == 0 ? 0 : 7) : corner(entry % 8);
        file.u8(qBlue(colour));
        file.u8(qGreen(colour));
        file.u8(qRed(colour));
        file.u8(0);
    }
    file.append(pixels);
    return file.data();
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The 32-bit little-endian number at `offset`, changed.
QByteArray withNumber(QByteArray bytes, int offset, std::uint32_t value, int width = 4) {
    for (int byte = 0; byte < width; ++byte)
        bytes[offset + byte] = static_cast<char>(value >> (8 * byte) & 0xFF);
    return bytes;
}

} // namespace

std::vector<PictureVariant> pictureVariants(int width, int height) {
    const Pattern eight{width, height, 8};
    const Pattern two{width, height, 2};
    std::vector<PictureVariant> variants;
    auto add = [&](const char* name, const QString& extension, const QByteArray& bytes,
                   const QImage& expected) {
        variants.push_back({QString::fromUtf8(name), extension, bytes, expected});
    };
    const QString bmp = QStringLiteral("bmp");
    auto addBitmap = [&](const char* name, const Pattern& pattern, const BitmapForm& form) {
        add(name, bmp, bitmap(pattern, form), pattern.image());
    };

    BitmapForm form;
    form.bitCount = 1;
    form.paletteEntries = 2;
    form.colourCount = 2;
    addBitmap("bmp 1-bit palette", two, form);
    form = {};
    form.bitCount = 4;
    form.paletteEntries = 16;
    addBitmap("bmp 4-bit palette", eight, form);
    form.compression = Rle4;
    addBitmap("bmp 4-bit run-length", eight, form);
    form = {};
    form.bitCount = 8;
    form.paletteEntries = 256;
    addBitmap("bmp 8-bit palette", eight, form);
    form.paletteEntries = 8;
    addBitmap("bmp 8-bit short palette", eight, form);
    form.compression = Rle8;
    addBitmap("bmp 8-bit run-length", eight, form);
    form = {};
    form.bitCount = 16;
    addBitmap("bmp 16-bit 555", eight, form);
    form.compression = BitFields;
    form.masks[0] = 0x7C00;
    form.masks[1] = 0x03E0;
    form.masks[2] = 0x001F;
    addBitmap("bmp 16-bit 555 bit fields", eight, form);
    form.masks[0] = 0xF800;
    form.masks[1] = 0x07E0;
    form.masks[2] = 0x001F;
    addBitmap("bmp 16-bit 565 bit fields", eight, form);
    form = {};
    addBitmap("bmp 24-bit", eight, form);
    form.topDown = true;
    addBitmap("bmp 24-bit top-down", eight, form);
    form = {};
    form.bitCount = 32;
    addBitmap("bmp 32-bit", eight, form);
    form.compression = BitFields;
    form.fiveHeader = true;
    form.masks[0] = 0x00FF0000;
    form.masks[1] = 0x0000FF00;
    form.masks[2] = 0x000000FF;
    form.masks[3] = 0xFF000000;
    form.alpha = [](int x) { return x % 2 == 0 ? 255 : 64; };
    addBitmap("bmp 32-bit with alpha", eight, form);

    const QString pngExtension = QStringLiteral("png");
    const QImage picture = eight.image();
    add("png 24-bit", pngExtension, png(picture), picture);
    add("png palette", pngExtension, png(picture.convertToFormat(QImage::Format_Indexed8)),
        picture);
    add("png grey", pngExtension, png(two.image().convertToFormat(QImage::Format_Grayscale8)),
        two.image());
    add("png with alpha", pngExtension, png(picture.convertToFormat(QImage::Format_ARGB32)),
        picture);
    add("png 16-bit", pngExtension, png(picture.convertToFormat(QImage::Format_RGBA64)), picture);

    // Damaged files, each made from a sound 24-bit bitmap or PNG.
    const QByteArray sound = bitmap(eight, BitmapForm{});
    const QImage refused;
    add("empty file", bmp, QByteArray(), refused);
    add("bmp signature only", bmp, QByteArray("BM"), refused);
    add("bmp cut short", bmp, sound.left(54 + (sound.size() - 54) / 2), refused);
    add("bmp header cut short", bmp, sound.left(30), refused);
    add("bmp header size 20", bmp, withNumber(sound, 14, 20), refused);
    add("bmp no planes", bmp, withNumber(sound, 26, 0, 2), refused);
    add("bmp two planes", bmp, withNumber(sound, 26, 2, 2), refused);
    add("bmp 7-bit", bmp, withNumber(sound, 28, 7, 2), refused);
    add("bmp zero width", bmp, withNumber(sound, 18, 0), refused);
    add("bmp pixels beyond the end", bmp, withNumber(sound, 10, 1u << 20), refused);
    add("bmp huge declared size", bmp, withNumber(withNumber(sound, 18, 30000), 22, 30000),
        refused);
    form = {};
    form.bitCount = 8;
    form.paletteEntries = 256;
    form.compression = Rle8;
    const QByteArray runs = bitmap(eight, form);
    add("bmp 8-bit run-length cut short", bmp, runs.left(runs.size() - 6), refused);
    const QByteArray soundPng = png(picture);
    add("png cut short", pngExtension, soundPng.left(soundPng.size() / 2), refused);
    QByteArray badChecksum = soundPng;
    badChecksum[soundPng.indexOf("IDAT") + 6] =
        static_cast<char>(badChecksum[soundPng.indexOf("IDAT") + 6] ^ 0x55);
    add("png damaged data", pngExtension, badChecksum, refused);
    return variants;
}

} // namespace common::test
