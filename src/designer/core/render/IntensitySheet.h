#pragma once

#include "common/Status.h"
#include "common/sheets/SheetCompanions.h"
#include "common/sheets/SheetOptions.h"
#include "core/render/RenderPreparation.h"
#include "core/render/RenderRun.h"

#include <QString>

namespace kirabellum {

// Whether the design `preparation` took can be written as an intensity sheet in
// `alpha`: its canvases must fit the three channels, and layers' own ramps,
// whose colours add up, have no alpha form. The message names the options.
common::Status checkIntensitySheet(const RenderPreparation& preparation, common::AlphaMode alpha);

// Puts the intensity sheet of `runs` (rendered with RenderMode::recordIntensity,
// one per animation of the description's atlas: variants or designs of one
// ramp) in place of the colour sheet of `companions`, on that atlas, and
// adds the ramp image in `alpha` beside the sheet file `imagePath`
// ("NAME_ramp.png") with its entry in the description; fails as
// checkIntensitySheet does, changing nothing. The command line and the export
// window make it alike.
//
// The sheet holds each pixel's ramp indices. Without layers' own ramps it is
// an 8-bit grey image of the design's canvas; with them (additive only) an RGB
// image of the design's canvas and up to two of the layers' own. Padding and
// cells without a frame hold index 0.
//
// The ramp image has one row per channel, as long as the longest ramp (at
// least 1 pixel). Row 0 holds the design's ramp; rows 1 and 2 the layers'
// own, which begin with black, so that index 0 adds nothing. A shorter row
// repeats its last colour, which no pixel of the sheet looks up. The colour of
// a pixel is the channel-by-channel sum of what each of its channels looks up
// in its row, each channel held to 255. Additive ramps are opaque; straight
// and premultiplied ones hold what the colour sheet export gives each colour
// over the background (the ramp's first colour), so that looking up every
// index gives the colour sheet back, bit for bit.
common::Status addIntensitySheet(const std::vector<const RenderRun*>& runs, common::AlphaMode alpha,
                                 const QString& imagePath, common::SheetCompanions& companions);

} // namespace kirabellum
