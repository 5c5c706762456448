#include "common/animation/ApngWriter.h"

#include <QIODevice>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
}

#include <array>
#include <cstdio>
#include <memory>

namespace common {

namespace {

constexpr int IoBufferSize = 1 << 16;
// How finely a frame rate is held as a fraction: 7.5 fps exactly, 29.97 too.
constexpr int RateDenominatorLimit = 100000;

int writePacket(void* opaque, std::uint8_t* bytes, int size) {
    auto* device = static_cast<QIODevice*>(opaque);
    const qint64 written = device->write(reinterpret_cast<const char*>(bytes), size);
    return written == size ? size : AVERROR(EIO);
}

std::int64_t seekDevice(void* opaque, std::int64_t offset, int whence) {
    auto* device = static_cast<QIODevice*>(opaque);
    if (whence == AVSEEK_SIZE)
        return device->size();
    std::int64_t target = offset;
    if ((whence & ~AVSEEK_FORCE) == SEEK_CUR)
        target += device->pos();
    else if ((whence & ~AVSEEK_FORCE) == SEEK_END)
        target += device->size();
    return device->seek(target) ? target : AVERROR(EIO);
}

Status ffmpegFailure(int error) {
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(error, text.data(), text.size());
    return Status::failure(QString::fromUtf8(text.data()));
}

struct Io {
    AVIOContext* context = nullptr;
    ~Io() {
        if (context) {
            av_freep(&context->buffer);
            avio_context_free(&context);
        }
    }
};
struct Muxer {
    AVFormatContext* context = nullptr;
    ~Muxer() { avformat_free_context(context); }
};
struct Encoder {
    AVCodecContext* context = nullptr;
    ~Encoder() { avcodec_free_context(&context); }
};
struct Frame {
    AVFrame* frame = av_frame_alloc();
    ~Frame() { av_frame_free(&frame); }
};
struct Packet {
    AVPacket* packet = av_packet_alloc();
    ~Packet() { av_packet_free(&packet); }
};

// Sends `frame` (none: the end) and writes every packet the encoder has ready.
int encode(AVCodecContext* encoder, AVFrame* frame, AVFormatContext* muxer, AVStream* stream,
           AVPacket* packet) {
    int result = avcodec_send_frame(encoder, frame);
    while (result >= 0) {
        result = avcodec_receive_packet(encoder, packet);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return 0;
        if (result < 0)
            return result;
        // Every frame shows for one frame's time, the last one too.
        if (packet->duration == 0)
            packet->duration = 1;
        av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
        packet->stream_index = stream->index;
        result = av_interleaved_write_frame(muxer, packet);
    }
    return result;
}

} // namespace

Status writeApng(QIODevice& device, const Animation& animation) {
    if (animation.frames.empty())
        return Status::failure(QStringLiteral("no frames"));
    const int width = animation.frames.front().width();
    const int height = animation.frames.front().height();
    const AVRational rate = av_d2q(animation.framesPerSecond, RateDenominatorLimit);

    Muxer muxer;
    int result = avformat_alloc_output_context2(&muxer.context, nullptr, "apng", nullptr);
    if (result < 0)
        return ffmpegFailure(result);
    Io io;
    auto* buffer = static_cast<unsigned char*>(av_malloc(IoBufferSize));
    io.context =
        avio_alloc_context(buffer, IoBufferSize, 1, &device, nullptr, writePacket, seekDevice);
    if (!io.context) {
        av_free(buffer);
        return ffmpegFailure(AVERROR(ENOMEM));
    }
    muxer.context->pb = io.context;

    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_APNG);
    Encoder encoder;
    encoder.context = avcodec_alloc_context3(codec);
    AVStream* stream = avformat_new_stream(muxer.context, nullptr);
    if (!codec || !encoder.context || !stream)
        return Status::failure(QStringLiteral("FFmpeg has no APNG encoder"));
    encoder.context->width = width;
    encoder.context->height = height;
    encoder.context->pix_fmt = AV_PIX_FMT_RGBA;
    encoder.context->time_base = av_inv_q(rate);
    encoder.context->framerate = rate;
    result = avcodec_open2(encoder.context, codec, nullptr);
    if (result >= 0)
        result = avcodec_parameters_from_context(stream->codecpar, encoder.context);
    stream->time_base = encoder.context->time_base;
    if (result >= 0)
        result = av_opt_set_int(muxer.context->priv_data, "plays", animation.plays, 0);
    if (result >= 0)
        result = avformat_write_header(muxer.context, nullptr);
    if (result < 0)
        return ffmpegFailure(result);

    Frame frame;
    Packet packet;
    frame.frame->format = AV_PIX_FMT_RGBA;
    frame.frame->width = width;
    frame.frame->height = height;
    for (std::size_t index = 0; index < animation.frames.size() && result >= 0; ++index) {
        const QImage pixels = animation.frames[index].convertToFormat(QImage::Format_RGBA8888);
        result = av_frame_get_buffer(frame.frame, 0);
        if (result < 0)
            break;
        for (int y = 0; y < height; ++y)
            std::copy_n(pixels.constScanLine(y), width * 4,
                        frame.frame->data[0] +
                            static_cast<std::ptrdiff_t>(y) * frame.frame->linesize[0]);
        frame.frame->pts = static_cast<std::int64_t>(index);
        result = encode(encoder.context, frame.frame, muxer.context, stream, packet.packet);
        av_frame_unref(frame.frame);
        frame.frame->format = AV_PIX_FMT_RGBA;
        frame.frame->width = width;
        frame.frame->height = height;
    }
    if (result >= 0)
        result = encode(encoder.context, nullptr, muxer.context, stream, packet.packet);
    if (result >= 0)
        result = av_write_trailer(muxer.context);
    if (result >= 0)
        avio_flush(io.context);
    if (result < 0)
        return ffmpegFailure(result);
    return Status::success();
}

} // namespace common
