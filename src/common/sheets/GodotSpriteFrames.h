#pragma once

#include "common/Status.h"
#include "common/sheets/SheetDescription.h"

#include <QByteArray>

class QIODevice;

namespace common {

// The sheet as a Godot 4 SpriteFrames resource in text form (format=3): the
// image as its one external resource, by a path relative to the resource's
// own folder (both lie side by side); one AtlasTexture per frame on the
// frame's rectangle without the gutter; one animation, "default", of the
// frames in play order at the frame rate, looping only when the frames loop
// (a burst plays once and stops on its last frame).
QByteArray godotSpriteFrames(const SheetDescription& description);
Status writeGodotSpriteFrames(QIODevice& device, const SheetDescription& description);

} // namespace common
