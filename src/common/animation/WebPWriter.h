#pragma once

#include "common/Status.h"
#include "common/animation/Animation.h"

#include <optional>

class QIODevice;

namespace common {

// Writes `animation` as an animated WebP by libwebp's animation encoder:
// lossless, every pixel's alpha and colour kept exactly (transparent ones
// too), unless `lossyQuality` (0 to 100) asks for lossy frames. Frame times
// are in milliseconds; `plays` 0 loops forever.
Status writeWebP(QIODevice& device, const Animation& animation,
                 std::optional<int> lossyQuality = std::nullopt);

} // namespace common
