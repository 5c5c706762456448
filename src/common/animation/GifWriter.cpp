#include "common/animation/GifWriter.h"

#include <QIODevice>

#include <gif_lib.h>
#include <libimagequant.h>

#include <array>
#include <memory>
#include <vector>

namespace common {

namespace {

constexpr int HundredthsPerSecond = 100;
constexpr int MaximumLoops = 65535;

int writeToDevice(GifFileType* file, const GifByteType* bytes, int length) {
    auto* device = static_cast<QIODevice*>(file->UserData);
    return static_cast<int>(device->write(reinterpret_cast<const char*>(bytes), length));
}

struct AttributesDeleter {
    void operator()(liq_attr* attributes) const { liq_attr_destroy(attributes); }
};
struct HistogramDeleter {
    void operator()(liq_histogram* histogram) const { liq_histogram_destroy(histogram); }
};
struct ImageDeleter {
    void operator()(liq_image* image) const { liq_image_destroy(image); }
};
struct ResultDeleter {
    void operator()(liq_result* result) const { liq_result_destroy(result); }
};
using ImagePointer = std::unique_ptr<liq_image, ImageDeleter>;

// The frames as libimagequant reads them: RGBA bytes, alpha 0 or 255.
std::vector<std::vector<unsigned char>> rgbaFrames(const Animation& animation) {
    std::vector<std::vector<unsigned char>> frames;
    for (const QImage& frame : animation.frames) {
        std::vector<unsigned char> bytes;
        bytes.reserve(static_cast<std::size_t>(frame.width()) * frame.height() * 4);
        for (int y = 0; y < frame.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                const bool transparent = qAlpha(line[x]) == 0;
                bytes.push_back(static_cast<unsigned char>(transparent ? 0 : qRed(line[x])));
                bytes.push_back(static_cast<unsigned char>(transparent ? 0 : qGreen(line[x])));
                bytes.push_back(static_cast<unsigned char>(transparent ? 0 : qBlue(line[x])));
                bytes.push_back(static_cast<unsigned char>(transparent ? 0 : 255));
            }
        }
        frames.push_back(std::move(bytes));
    }
    return frames;
}

Status gifFailure(int error) {
    return Status::failure(QString::fromUtf8(GifErrorString(error)));
}

Status writeLoop(GifFileType* file, int plays) {
    if (plays == 1)
        return Status::success();
    const int loops = plays == 0 ? 0 : std::min(plays - 1, MaximumLoops);
    const std::array<GifByteType, 3> count = {1, static_cast<GifByteType>(loops & 0xFF),
                                              static_cast<GifByteType>(loops >> 8)};
    if (EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(file, 11, "NETSCAPE2.0") == GIF_ERROR ||
        EGifPutExtensionBlock(file, 3, count.data()) == GIF_ERROR ||
        EGifPutExtensionTrailer(file) == GIF_ERROR)
        return gifFailure(file->Error);
    return Status::success();
}

} // namespace

Status writeGif(QIODevice& device, const Animation& animation, bool dither) {
    if (animation.frames.empty())
        return Status::failure(QStringLiteral("no frames"));
    const int width = animation.frames.front().width();
    const int height = animation.frames.front().height();
    std::vector<std::vector<unsigned char>> frames = rgbaFrames(animation);

    // One palette for every frame.
    std::unique_ptr<liq_attr, AttributesDeleter> attributes(liq_attr_create());
    std::unique_ptr<liq_histogram, HistogramDeleter> histogram(
        liq_histogram_create(attributes.get()));
    std::vector<ImagePointer> images;
    for (std::vector<unsigned char>& frame : frames) {
        images.emplace_back(
            liq_image_create_rgba(attributes.get(), frame.data(), width, height, 0.0));
        if (!images.back() || liq_histogram_add_image(histogram.get(), attributes.get(),
                                                      images.back().get()) != LIQ_OK)
            return Status::failure(QStringLiteral("the colours cannot be counted"));
    }
    liq_result* quantised = nullptr;
    if (liq_histogram_quantize(histogram.get(), attributes.get(), &quantised) != LIQ_OK)
        return Status::failure(QStringLiteral("no palette fits the colours"));
    std::unique_ptr<liq_result, ResultDeleter> result(quantised);
    liq_set_dithering_level(result.get(), dither ? 1.0f : 0.0f);

    std::vector<std::vector<unsigned char>> indices;
    for (ImagePointer& image : images) {
        std::vector<unsigned char> frameIndices(static_cast<std::size_t>(width) * height);
        if (liq_write_remapped_image(result.get(), image.get(), frameIndices.data(),
                                     frameIndices.size()) != LIQ_OK)
            return Status::failure(QStringLiteral("a frame cannot take the palette"));
        indices.push_back(std::move(frameIndices));
    }
    const liq_palette* palette = liq_get_palette(result.get());
    std::array<GifColorType, 256> colours{};
    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (unsigned int index = 0; index < palette->count; ++index) {
        colours[index] = {palette->entries[index].r, palette->entries[index].g,
                          palette->entries[index].b};
        if (palette->entries[index].a == 0)
            transparentIndex = static_cast<int>(index);
    }
    // A colour map's size is a power of two.
    int mapSize = 2;
    while (mapSize < static_cast<int>(palette->count))
        mapSize *= 2;

    int error = 0;
    GifFileType* file = EGifOpen(&device, writeToDevice, &error);
    if (!file)
        return gifFailure(error);
    ColorMapObject* map = GifMakeMapObject(mapSize, colours.data());
    EGifSetGifVersion(file, true);
    Status status = Status::success();
    if (EGifPutScreenDesc(file, width, height, 8, 0, map) == GIF_ERROR)
        status = gifFailure(file->Error);
    if (status.ok())
        status = writeLoop(file, animation.plays);
    if (status.ok() && !animation.comment.isEmpty() &&
        EGifPutComment(file, animation.comment.toLatin1().constData()) == GIF_ERROR)
        status = gifFailure(file->Error);
    for (std::size_t frame = 0; status.ok() && frame < indices.size(); ++frame) {
        const int index = static_cast<int>(frame);
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND; // each frame shows alone
        control.DelayTime = frameStart(index + 1, animation.framesPerSecond, HundredthsPerSecond) -
                            frameStart(index, animation.framesPerSecond, HundredthsPerSecond);
        control.TransparentColor = transparentIndex;
        std::array<GifByteType, 4> extension{};
        EGifGCBToExtension(&control, extension.data());
        if (EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, 4, extension.data()) == GIF_ERROR ||
            EGifPutImageDesc(file, 0, 0, width, height, false, nullptr) == GIF_ERROR) {
            status = gifFailure(file->Error);
            break;
        }
        for (int y = 0; y < height; ++y)
            if (EGifPutLine(file, indices[frame].data() + static_cast<std::ptrdiff_t>(y) * width,
                            width) == GIF_ERROR) {
                status = gifFailure(file->Error);
                break;
            }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(file, &error) == GIF_ERROR && status.ok())
        status = gifFailure(error);
    return status;
}

} // namespace common
