#pragma once

#include "common/Colour.h"
#include "common/Status.h"
#include "common/animation/Animation.h"
#include "common/animation/AnimationFormat.h"
#include "common/sheets/SheetImage.h"
#include "common/sheets/SheetOptions.h"

#include <QString>

namespace common {

// Whether the output `path` can be written with `options`: a sheet as
// SheetOptions::checkOutput says, without the animation's options (--repeat,
// --quality); an animation (see animationFormatFor) without the options that
// lay out or describe a sheet, with --quality only for a WebP, --animation apng
// only for a .png name, and no premultiplied alpha in a GIF. The message names
// the option at fault.
Status checkOutputOptions(const SheetOptions& options, const QString& path);

// The animation of the frames a sheet of `frames` keeps (every frameStep-th),
// in play order at the frame size: each as the sheet holds it in `options.alpha`
// against `background` (see withAlpha), for a GIF opaque in the additive mode
// and, in the straight mode, transparent exactly where the frame shows the
// background and opaque everywhere else. It plays at `framesPerSecond`, --repeat
// times or forever; `loop` marks the frames of a seamless loop.
Animation sheetAnimation(const SheetFrames& frames, const SheetOptions& options, Colour background,
                         AnimationFormat format, double framesPerSecond, bool loop);

// Writes `animation` to `path` in `format` (WebP lossy at --quality, GIF
// dithered by --dither diffusion), replacing the file only once all of it is
// written. A failure names the file.
Status writeSheetAnimation(const QString& path, const Animation& animation, AnimationFormat format,
                           const SheetOptions& options);

// What both command lines warn of an animation dithered by error diffusion.
QString diffusionWarning();

// What a command line says of a written animation: "GIF, 7.5 fps, forever",
// "WebP, 15 fps, 3 plays".
QString animationSummary(const Animation& animation, AnimationFormat format);

} // namespace common
