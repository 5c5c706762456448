#pragma once

#include "common/Status.h"
#include "common/sheets/SheetDescription.h"

#include <QByteArray>

class QIODevice;

namespace common {

// The sheet's frames in the JSON form of TexturePacker that Phaser, PixiJS,
// Unreal's Paper2D and Defold import: "frames" keyed by frame name (the hash
// form) or as an array of frames that carry their "filename" (the array form),
// each with its rectangle without the gutter (a cut frame with where it lies
// in the whole frame and a pivot at the whole frame's centre); "animations"
// with each animation's frames in play order; "meta" with the image, its size,
// a tag per animation, the first animation's frame rate, the alpha mode
// ("blend") and, when the frames lie on one grid, a "grid" object for the
// particle modules, which take only column and row counts. `format` is
// JsonHash or JsonArray.
QByteArray atlasJson(const SheetDescription& description, MetadataFormat format);
Status writeAtlasJson(QIODevice& device, const SheetDescription& description,
                      MetadataFormat format);

} // namespace common
