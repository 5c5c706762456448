#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

namespace common {

// What a preview draws frames over, standing in for the game's scene.
enum class SceneKind {
    Black,        // the frames as they are rendered, over black
    Checkerboard, // grey squares, to show what is transparent
    SolidColour,  // one colour
    Picture,      // a picture, such as a screenshot of the game
};

// The scene under a preview's frames.
struct SceneBackground {
    SceneKind kind = SceneKind::Black;
    QRgb colour = qRgb(0, 0, 0); // for SceneKind::SolidColour
    QImage picture;              // for SceneKind::Picture; null draws black

    // The scene `size` pixels large, opaque (QImage::Format_RGB32). A picture is
    // drawn at its own scale, as the game shows it under a sprite of that
    // size, its middle under the frame's middle, repeated where it is smaller.
    QImage image(QSize size) const;
};

} // namespace common
