#include "common/animation/AnimationFromSheet.h"

#include "common/AtomicFile.h"
#include "common/animation/ApngWriter.h"
#include "common/animation/GifWriter.h"
#include "common/animation/WebPWriter.h"
#include "common/sheets/AlphaConversion.h"

namespace common {

namespace {

// The opaque frame with the background's pixels made fully transparent.
QImage backgroundKeyed(const QImage& opaque, Colour background) {
    QImage keyed = opaque.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = colourToRgb(background) | 0xff000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return keyed;
}

} // namespace

QImage animationFrame(const SheetFrames& frames, int frame, const SheetOptions& options,
                      AnimationFormat format, Colour background) {
    const QImage opaque =
        frames.image.copy(frames.grid.cellRect(frame)).convertToFormat(QImage::Format_RGB32);
    QImage held;
    if (format != AnimationFormat::Gif)
        held = withAlpha(opaque, options.alpha, background).convertToFormat(QImage::Format_ARGB32);
    else if (options.alpha == AlphaMode::Additive)
        held = opaque.convertToFormat(QImage::Format_ARGB32);
    else
        held = backgroundKeyed(opaque, background);
    if (options.scale == 1)
        return held;
    return held.scaled(held.size() * options.scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

Animation animationFromSheet(const SheetFrames& frames, const SheetOptions& options,
                             AnimationFormat format, Colour background, int framesPerSecond) {
    Animation animation;
    for (int frame = 0; frame < frames.frameCount; frame += options.frameStep)
        animation.frames.push_back(animationFrame(frames, frame, options, format, background));
    animation.framesPerSecond = options.statedFrameRate(framesPerSecond);
    animation.plays = options.repeat;
    return animation;
}

Status writeAnimationFile(const QString& path, AnimationFormat format, const Animation& animation,
                          const SheetOptions& options) {
    return writeFileAtomically(path, [&](QIODevice& device) {
        switch (format) {
        case AnimationFormat::Gif:
            return writeGif(device, animation, options.dither != Dither::None);
        case AnimationFormat::Apng:
            return writeApng(device, animation);
        case AnimationFormat::WebP:
            break;
        }
        return writeWebP(device, animation, options.quality);
    });
}

} // namespace common
