#pragma once

#include "common/Status.h"
#include "common/sheets/SheetAtlas.h"
#include "common/sheets/SheetOptions.h"

#include <QString>

#include <vector>

namespace common {

// Lays the animations of `blocks` out in one sheet under `options` (padding,
// columns, frame step, --max-size, power-of-two edges):
// - with --trim, every kept frame cut to its own bounds (the blocks' `bounds`)
//   and packed tight; the atlas then has no grid;
// - when every block keeps frames of one size, one grid (see SheetGrid::layOut)
//   on which each block begins a row of its own, on the blocks' largest own
//   columns unless --columns says otherwise;
// - otherwise the blocks one under the other, each on the columns the grid
//   rule gives it alone; no grid holds the whole sheet.
// Fails with a message naming the option at fault and what would fit.
Status layOutAtlas(const std::vector<AtlasBlock>& blocks, const SheetOptions& options,
                   SheetAtlas& atlas);

// For the particle modules, what the terminal shows after writing the sheet:
// the grid's tiles line (see SheetGrid::tilesText) at the first animation's
// rate, followed by "; Single Row, Random Row, N rows" when there are N > 1
// animations each on one row of its own; otherwise why a module that takes
// only tile counts cannot read the sheet.
QString atlasTilesText(const SheetAtlas& atlas);

// The warning both command lines print when the atlas is no uniform grid
// (frames of several sizes, or packed), else nothing.
QString atlasGridWarning(const SheetAtlas& atlas);

} // namespace common
