#include "common/BitmapFile.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cstdlib>
#include <limits>

namespace common {

namespace {

constexpr int FileHeaderBytes = 14;

std::uint32_t number(const QByteArray& bytes, int offset, int width) {
    std::uint32_t value = 0;
    for (int byte = width - 1; byte >= 0; --byte)
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + byte]);
    return value;
}

bool knownHeaderSize(std::uint32_t size) {
    for (std::uint32_t known : {12u, 40u, 52u, 56u, 64u, 108u, 124u})
        if (size == known)
            return true;
    return false;
}

int bitsSet(std::uint32_t mask) {
    int bits = 0;
    for (; mask != 0; mask &= mask - 1)
        ++bits;
    return bits;
}

Status cutShort(double needed, qint64 held) {
    return Status::failure(
        QCoreApplication::translate(
            "common::BitmapFile",
            "the bitmap is cut short: its pixels need %1 bytes, the file holds %2")
            .arg(needed, 0, 'f', 0)
            .arg(held));
}

// Walks a run-length stream to its end-of-bitmap mark (or to the end of the
// picture's rows), without decoding it.
Status checkRunLengths(const QByteArray& data, int bitCount, int rows) {
    qint64 position = 0;
    qint64 row = 0;
    const qint64 size = data.size();
    while (position + 2 <= size) {
        const int count = static_cast<std::uint8_t>(data[position]);
        const int code = static_cast<std::uint8_t>(data[position + 1]);
        position += 2;
        if (count > 0)
            continue; // a run of one value (or two, alternating)
        if (code == 0) {
            ++row;
        } else if (code == 1) {
            return Status::success();
        } else if (code == 2) {
            if (position + 2 > size)
                break;
            row += static_cast<std::uint8_t>(data[position + 1]);
            position += 2;
        } else {
            qint64 bytes = bitCount == 8 ? code : (code + 1) / 2;
            bytes += bytes % 2; // absolute runs keep to 16-bit words
            if (position + bytes > size)
                break;
            position += bytes;
        }
    }
    if (row >= rows)
        return Status::success(); // every row ended, only the final mark is missing
    return Status::failure(QCoreApplication::translate(
                               "common::BitmapFile",
                               "the bitmap is cut short: its run-length data ends at row %1 of %2")
                               .arg(row)
                               .arg(rows));
}

} // namespace

Status BitmapFile::readHeaders(const QByteArray& head, BitmapFile& file) {
    if (head.size() < FileHeaderBytes + 4)
        return Status::failure(QCoreApplication::translate(
            "common::BitmapFile", "the bitmap is cut short in its headers"));
    BitmapFile read;
    read.pixelOffset = number(head, 10, 4);
    const std::uint32_t headerSize = number(head, 14, 4);
    if (!knownHeaderSize(headerSize))
        return Status::failure(
            QCoreApplication::translate("common::BitmapFile",
                                        "the bitmap has a header of %1 bytes, which no bitmap has")
                .arg(headerSize));
    if (head.size() < FileHeaderBytes + static_cast<int>(headerSize))
        return Status::failure(QCoreApplication::translate(
            "common::BitmapFile", "the bitmap is cut short in its headers"));

    qint64 width = 0, height = 0;
    int planes = 0;
    if (headerSize == 12) {
        width = number(head, 18, 2);
        height = number(head, 20, 2);
        planes = static_cast<int>(number(head, 22, 2));
        read.bitCount = static_cast<int>(number(head, 24, 2));
    } else {
        width = static_cast<std::int32_t>(number(head, 18, 4));
        height = static_cast<std::int32_t>(number(head, 22, 4));
        planes = static_cast<int>(number(head, 26, 2));
        read.bitCount = static_cast<int>(number(head, 28, 2));
        read.compression = static_cast<int>(number(head, 30, 4));
    }
    if (planes != 1)
        return Status::failure(
            QCoreApplication::translate("common::BitmapFile",
                                        "the bitmap declares %1 colour planes; bitmaps have 1")
                .arg(planes));
    const int bitCount = read.bitCount;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        return Status::failure(QCoreApplication::translate("common::BitmapFile",
                                                           "the bitmap declares %1 bits per pixel")
                                   .arg(bitCount));
    read.topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0)
        return Status::failure(
            QCoreApplication::translate("common::BitmapFile", "the bitmap declares %1 x %2 pixels")
                .arg(width)
                .arg(height));
    read.width = static_cast<int>(width);
    read.height = static_cast<int>(std::min<qint64>(height, std::numeric_limits<int>::max()));

    const int compression = read.compression;
    const bool fields = compression == 3 && (bitCount == 16 || bitCount == 32);
    if (compression != 0 && !read.usesRunLengths() && !fields)
        return Status::failure(
            QCoreApplication::translate(
                "common::BitmapFile",
                "the bitmap uses compression %1 with %2 bits per pixel, which is not "
                "supported")
                .arg(compression)
                .arg(bitCount));
    if (fields) {
        // Right after the 40 bytes that every header but the oldest begins with:
        // behind a header of 40 bytes, inside the longer ones.
        const int at = FileHeaderBytes + 40;
        if (head.size() < at + 12)
            return Status::failure(QCoreApplication::translate(
                "common::BitmapFile", "the bitmap is cut short in its colour fields"));
        for (int component = 0; component < 3; ++component)
            read.masks[static_cast<std::size_t>(component)] = number(head, at + 4 * component, 4);
    } else if (bitCount == 16) {
        read.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (bitCount == 32) {
        read.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    }
    file = read;
    return Status::success();
}

Status BitmapFile::checkPixelData(QIODevice& device) const {
    const qint64 held = device.size() - device.pos();
    if (pixelOffset >= held)
        return Status::failure(
            QCoreApplication::translate(
                "common::BitmapFile", "the bitmap has its pixels at byte %1 of a file of %2 bytes")
                .arg(pixelOffset)
                .arg(held));
    if (usesRunLengths()) {
        const Status stream = checkRunLengths(device.peek(held).mid(pixelOffset), bitCount, height);
        if (!stream.ok())
            return stream;
    } else {
        // In floating point: a damaged header may declare more than 64 bits hold.
        const double rowBytes = static_cast<double>((qint64{width} * bitCount + 31) / 32 * 4);
        const double needed =
            static_cast<double>(pixelOffset) + rowBytes * static_cast<double>(height);
        if (needed > static_cast<double>(held))
            return cutShort(needed, held);
    }
    return Status::success();
}

void BitmapFile::widenColourFields(QImage& image) const {
    if (bitCount != 16 && bitCount != 32)
        return;
    // The toolkit multiplies a field of n bits by 2^(8 - n); the top n bits of
    // what it gives are the field, and the field's full value must give 255.
    std::array<std::array<std::uint8_t, 256>, 3> widened{};
    bool narrow = false;
    for (std::size_t component = 0; component < 3; ++component) {
        const int bits = bitsSet(masks[component]);
        for (int value = 0; value < 256; ++value) {
            int result = value;
            if (bits > 0 && bits < 8) {
                const int field = value >> (8 - bits);
                const int full = (1 << bits) - 1;
                result = (field * 255 + full / 2) / full;
                narrow = true;
            }
            widened[component][static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(result);
        }
    }
    if (!narrow)
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = row[x];
            row[x] = qRgba(widened[0][static_cast<std::size_t>(qRed(pixel))],
                           widened[1][static_cast<std::size_t>(qGreen(pixel))],
                           widened[2][static_cast<std::size_t>(qBlue(pixel))], qAlpha(pixel));
        }
    }
}

} // namespace common
