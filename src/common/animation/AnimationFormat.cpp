#include "common/animation/AnimationFormat.h"

#include <QFileInfo>

namespace common {

std::optional<AnimationFormat> animationFormatFor(const QString& path, bool animatedPng) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("gif"))
        return AnimationFormat::Gif;
    if (extension == QLatin1String("apng") || (animatedPng && extension == QLatin1String("png")))
        return AnimationFormat::Apng;
    if (extension == QLatin1String("webp"))
        return AnimationFormat::WebP;
    return std::nullopt;
}

} // namespace common
