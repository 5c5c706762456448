#pragma once

#include "common/Status.h"
#include "common/animation/Animation.h"

class QIODevice;

namespace common {

// Writes `animation` as an animated PNG by FFmpeg's APNG encoder and muxer:
// every frame kept exactly, alpha included, its delay an exact fraction of a
// second; `plays` 0 loops forever. A viewer that knows no APNG shows the
// first frame. `device` must be seekable (the frame count is written last).
Status writeApng(QIODevice& device, const Animation& animation);

} // namespace common
