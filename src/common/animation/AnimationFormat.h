#pragma once

#include <QString>

#include <optional>

namespace common {

// The animated files both programs write.
enum class AnimationFormat { Gif, Apng, WebP };

// The animation an output asks for: by its extension (.gif, .apng, .webp, case
// aside), or an animated PNG for a .png when `animatedPng` says so; none: the
// output is a sheet.
std::optional<AnimationFormat> animationFormatFor(const QString& path, bool animatedPng);

} // namespace common
