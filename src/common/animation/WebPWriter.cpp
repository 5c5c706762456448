#include "common/animation/WebPWriter.h"

#include <QIODevice>

#include <webp/encode.h>
#include <webp/mux.h>

#include <memory>

namespace common {

namespace {

constexpr int MillisecondsPerSecond = 1000;
// libwebp's middle effort: its own default.
constexpr int EncoderMethod = 4;

struct EncoderDeleter {
    void operator()(WebPAnimEncoder* encoder) const { WebPAnimEncoderDelete(encoder); }
};

Status encoderFailure(WebPAnimEncoder* encoder) {
    return Status::failure(QString::fromUtf8(WebPAnimEncoderGetError(encoder)));
}

} // namespace

Status writeWebP(QIODevice& device, const Animation& animation, std::optional<int> lossyQuality) {
    if (animation.frames.empty())
        return Status::failure(QStringLiteral("no frames"));
    const int width = animation.frames.front().width();
    const int height = animation.frames.front().height();
    WebPAnimEncoderOptions options;
    WebPConfig config;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config))
        return Status::failure(QStringLiteral("the WebP library does not match its headers"));
    options.anim_params.loop_count = animation.plays;
    options.allow_mixed = 0;
    config.lossless = lossyQuality ? 0 : 1;
    config.quality = static_cast<float>(lossyQuality.value_or(75));
    config.method = EncoderMethod;
    // Keep the colour of transparent pixels: a lossless file gives back what it was given.
    config.exact = 1;
    std::unique_ptr<WebPAnimEncoder, EncoderDeleter> encoder(
        WebPAnimEncoderNew(width, height, &options));
    if (!encoder)
        return Status::failure(QStringLiteral("the WebP encoder cannot start"));

    for (std::size_t index = 0; index < animation.frames.size(); ++index) {
        const QImage frame = animation.frames[index].convertToFormat(QImage::Format_ARGB32);
        WebPPicture picture;
        if (!WebPPictureInit(&picture))
            return Status::failure(QStringLiteral("the WebP library does not match its headers"));
        picture.use_argb = 1;
        picture.width = width;
        picture.height = height;
        // QRgb is 0xAARRGGBB, as WebP's ARGB words are.
        if (!WebPPictureImportBGRA(&picture, frame.constBits(),
                                   static_cast<int>(frame.bytesPerLine()))) {
            WebPPictureFree(&picture);
            return Status::failure(QStringLiteral("out of memory"));
        }
        const int start =
            frameStart(static_cast<int>(index), animation.framesPerSecond, MillisecondsPerSecond);
        const bool added = WebPAnimEncoderAdd(encoder.get(), &picture, start, &config);
        WebPPictureFree(&picture);
        if (!added)
            return encoderFailure(encoder.get());
    }
    const int end = frameStart(static_cast<int>(animation.frames.size()), animation.framesPerSecond,
                               MillisecondsPerSecond);
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, end, nullptr) ||
        !WebPAnimEncoderAssemble(encoder.get(), &data))
        return encoderFailure(encoder.get());
    const qint64 written =
        device.write(reinterpret_cast<const char*>(data.bytes), static_cast<qint64>(data.size));
    const bool complete = written == static_cast<qint64>(data.size);
    WebPDataClear(&data);
    if (!complete)
        return Status::failure(device.errorString());
    return Status::success();
}

} // namespace common
