#pragma once

#include "common/Colour.h"
#include "common/sheets/SceneBackground.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>

namespace common {

// Pixels as a sheet file holds them in `mode` (see withAlpha) drawn over
// `scene` as a game engine blends them, each term to 8 bits as QPainter
// composes: additive adds them to the scene and clamps at white; straight
// alpha gives src * a + dst * (1 - a); premultiplied gives src + dst * (1 - a).
// The result has the scene's size.
QImage drawAsEngine(const QImage& sheetPixels, AlphaMode mode, const QImage& scene);

// A frame as the programs draw it, additively over their background `key`,
// as an engine will show it over `scene`: turned into `mode` exactly as the
// sheet export writes it against `key`, then drawn as above. Additive over
// black is the frame itself.
QImage engineView(const QImage& frame, AlphaMode mode, Colour key, const SceneBackground& scene);

} // namespace common
