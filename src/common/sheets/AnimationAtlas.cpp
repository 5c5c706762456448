#include "common/sheets/AnimationAtlas.h"

#include "common/sheets/AtlasLayout.h"
#include "common/sheets/FrameBounds.h"

namespace common {

Status layOutAnimation(const SheetFrames& frames, Colour background, AtlasBlock block,
                       const SheetOptions& options, SheetAtlas& atlas) {
    if (options.crop)
        block.kept = unionBounds({frames}, {background});
    if (options.trim)
        block.bounds = keptFrameBounds(frames, background);
    return layOutAtlas({block}, options, atlas);
}

} // namespace common
