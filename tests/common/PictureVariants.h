#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace common::test {

// One picture file in one of the forms that painting programs write, made byte
// by byte: bitmaps of every depth and compression, PNGs, and damaged files.
struct PictureVariant {
    QString name;      // what it is, for messages: "bmp 4-bit rle"
    QString extension; // "bmp" or "png"
    QByteArray bytes;
    // The pixels a reader must give, as opaque 32-bit RGB; null for a damaged
    // file that a reader must refuse with a message.
    QImage expected;

    bool damaged() const { return expected.isNull(); }
};

// Every variant, of a picture `width` x `height` pixels (at least 2 x 1) in the
// eight colours whose components are 0 or full, in a pattern that makes every
// row and column differ. Damaged variants are of the same picture.
std::vector<PictureVariant> pictureVariants(int width, int height);

} // namespace common::test
