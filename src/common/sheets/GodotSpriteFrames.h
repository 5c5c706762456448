#pragma once

#include "common/Status.h"
#include "common/sheets/SheetDescription.h"

#include <QByteArray>

class QIODevice;

namespace common {

// The sheet as a Godot 4 SpriteFrames resource in text form (format=3): the
// image as its one external resource, by a path relative to the resource's
// own folder (both lie side by side); one AtlasTexture per frame on the
// frame's rectangle without the gutter, a cut frame with the margin that puts
// it back where it was in the whole frame; one animation per animation of the
// atlas under its name ("default" for a sheet of one), of its frames in play
// order at its rate, looping only when its frames loop (a burst plays once
// and stops on its last frame).
QByteArray godotSpriteFrames(const SheetDescription& description);
Status writeGodotSpriteFrames(QIODevice& device, const SheetDescription& description);

} // namespace common
