#pragma once

#include "common/Colour.h"
#include "common/Status.h"
#include "common/animation/Animation.h"
#include "common/animation/AnimationFormat.h"
#include "common/sheets/SheetImage.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>
#include <QString>

namespace common {

// Frame `frame` of `frames` as an animated file in `format` holds it: a GIF's
// alpha is all or nothing, so the additive mode gives the opaque frame and the
// other modes key the background pixels transparent (every other pixel stays
// opaque over the background); an APNG or a WebP takes the frame as the
// sheet's alpha mode converts it against `background`. Then enlarged
// options.scale times by nearest neighbour. Format_ARGB32, values as held.
QImage animationFrame(const SheetFrames& frames, int frame, const SheetOptions& options,
                      AnimationFormat format, Colour background);

// The animation of the frames the sheet keeps (every frameStep-th), in play
// order, each as above, at the rate the sheet states for frames shown at
// `framesPerSecond`, playing options.repeat times (0: forever).
Animation animationFromSheet(const SheetFrames& frames, const SheetOptions& options,
                             AnimationFormat format, Colour background, int framesPerSecond);

// Writes `animation` to `path` in `format` through the one atomic writer: a
// GIF dithered unless options.dither is none, a WebP lossy at options.quality
// when it has one.
Status writeAnimationFile(const QString& path, AnimationFormat format, const Animation& animation,
                          const SheetOptions& options);

} // namespace common
