#pragma once

#include "common/Status.h"

#include <QByteArray>
#include <QImage>
#include <QtGlobal>

#include <array>
#include <cstdint>

class QIODevice;

namespace common {

// What the headers of a Windows bitmap file declare, read without decoding its
// pixels. The toolkit's reader decodes a bitmap whose pixel data is cut short
// into a picture whose missing rows are whatever memory held, and widens 16-bit
// colour fields by shifting alone (a full 5-bit field becomes 248, not 255);
// this is what lets the readers refuse the first and mend the second.
struct BitmapFile {
    int width = 0;
    int height = 0; // rows, positive; topDown tells the order
    bool topDown = false;
    int bitCount = 0;
    int compression = 0;    // 0 none, 1 and 2 run lengths of 8 and 4 bits, 3 bit fields
    qint64 pixelOffset = 0; // from the start of the file
    // Red, green and blue fields of 16- and 32-bit pixels.
    std::array<std::uint32_t, 3> masks{};

    bool usesRunLengths() const {
        return (compression == 1 && bitCount == 8) || (compression == 2 && bitCount == 4);
    }

    static bool isBitmap(const QByteArray& start) { return start.startsWith("BM"); }

    // The bytes readHeaders needs at most: the file header, the longest
    // information header and the colour fields behind the shortest.
    static constexpr int HeadersBytes = 14 + 124 + 12;

    // Reads the headers from the first bytes of a file and checks that they
    // describe a picture.
    static Status readHeaders(const QByteArray& head, BitmapFile& file);
    // Checks that the device, positioned at the start of the file, holds every
    // byte of pixel data the headers declare (for run lengths: a complete
    // run-length stream), without moving it. The device must be random access.
    Status checkPixelData(QIODevice& device) const;

    // Gives 16-bit pixels (and others with fields of fewer than 8 bits) the
    // colours their fields stand for, after the toolkit has decoded them.
    void widenColourFields(QImage& image) const;
};

} // namespace common
