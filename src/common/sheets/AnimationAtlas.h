#pragma once

#include "common/Colour.h"
#include "common/Status.h"
#include "common/sheets/SheetAtlas.h"
#include "common/sheets/SheetImage.h"
#include "common/sheets/SheetOptions.h"

namespace common {

// The sheet of one animation, `frames` as the sheet takes them (locked to a
// palette, enlarged, every frameStep-th kept), laid out under `options` as
// `block` says (its name, rate, loop, frames given, own columns and whole
// frame size): with --crop every frame cut to the union of what the kept
// frames draw against `background`, with --trim each kept frame to what it
// draws (see layOutAtlas). Both programs' command lines and export windows
// lay a strip of frames out through it.
Status layOutAnimation(const SheetFrames& frames, Colour background, AtlasBlock block,
                       const SheetOptions& options, SheetAtlas& atlas);

} // namespace common
