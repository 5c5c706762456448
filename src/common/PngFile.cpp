#include "common/PngFile.h"

#include <QCoreApplication>
#include <QIODevice>

#include <png.h>

#include <csetjmp>
#include <vector>

namespace common {

namespace {

// zlib's level for the pixel data: see the header for why.
constexpr int CompressionLevel = 3;

struct PngOutput {
    QIODevice* device;
    QString failure;
};

void writeData(png_structp png, png_bytep data, png_size_t length) {
    auto* output = static_cast<PngOutput*>(png_get_io_ptr(png));
    if (output->device->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length)) {
        output->failure = output->device->errorString();
        png_error(png, "write failed");
    }
}

void flushData(png_structp) {}

void stopOnError(png_structp png, png_const_charp message) {
    auto* output = static_cast<PngOutput*>(png_get_error_ptr(png));
    if (output->failure.isEmpty())
        output->failure = QString::fromLatin1(message);
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

QString noWriteReason() {
    return QCoreApplication::translate("common::ImageFile", "the picture could not be written out");
}

// One text chunk's key and text, kept alive while libpng writes them.
struct TextEntry {
    QByteArray key;
    QByteArray text;
    bool latin1;
};

std::vector<TextEntry> textEntries(const QImage& image) {
    std::vector<TextEntry> entries;
    for (const QString& key : image.textKeys()) {
        const QString text = image.text(key);
        // A PNG keyword is 1 to 79 Latin-1 characters.
        const QByteArray keyword = key.left(79).toLatin1();
        bool latin1 = true;
        for (const QChar character : text)
            latin1 = latin1 && character.unicode() < 256;
        entries.push_back({keyword, latin1 ? text.toLatin1() : text.toUtf8(), latin1});
    }
    return entries;
}

// The whole write, between libpng's error jump and its return; it holds no
// object with a destructor, so that a jump out of libpng skips none.
bool writeImage(png_structp png, png_infop info, const QImage& image,
                std::vector<png_text>& texts) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    const bool opaque = image.format() == QImage::Format_RGB32;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, CompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    if (!texts.empty())
        png_set_text(png, info, texts.data(), static_cast<int>(texts.size()));
    png_write_info(png, info);
    // A 32-bit pixel is one word 0xAARRGGBB (0xffRRGGBB without alpha).
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    if (opaque)
        png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
    if (opaque)
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
    else
        png_set_swap_alpha(png);
#endif
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

Status writePng(QIODevice& device, const QImage& image) {
    const QImage pixels = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32);
    std::vector<TextEntry> entries = textEntries(image);
    std::vector<png_text> texts(entries.size());
    for (std::size_t index = 0; index < entries.size(); ++index) {
        png_text& text = texts[index];
        text.compression =
            entries[index].latin1 ? PNG_TEXT_COMPRESSION_NONE : PNG_ITXT_COMPRESSION_NONE;
        text.key = entries[index].key.data();
        text.text = entries[index].text.data();
        text.text_length =
            entries[index].latin1 ? static_cast<png_size_t>(entries[index].text.size()) : 0;
        text.itxt_length =
            entries[index].latin1 ? 0 : static_cast<png_size_t>(entries[index].text.size());
    }

    PngOutput output{&device, QString()};
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &output, stopOnError, ignoreWarning);
    if (!png)
        return Status::failure(noWriteReason());
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &output, writeData, flushData);
    const bool written = info && writeImage(png, info, pixels, texts);
    png_destroy_write_struct(&png, &info);
    if (!written)
        return Status::failure(output.failure.isEmpty() ? noWriteReason() : output.failure);
    return Status::success();
}

} // namespace common
