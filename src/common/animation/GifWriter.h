#pragma once

#include "common/Status.h"
#include "common/animation/Animation.h"

class QIODevice;

namespace common {

// Writes `animation` as a GIF: one palette of at most 256 colours made from
// all its frames by libimagequant, dithered by error diffusion or not, and a
// fully transparent colour for the pixels whose alpha is 0 (a GIF has no other
// transparency: every other pixel is written opaque). Frame delays are in
// hundredths of a second; `plays` above 1 loops plays − 1 times after the first,
// 0 forever, 1 not at all. The
// animation's comment, if any, is written as a GIF comment.
Status writeGif(QIODevice& device, const Animation& animation, bool dither);

} // namespace common
