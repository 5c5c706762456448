#pragma once

#include <QIcon>

namespace koratune {

// The 32 x 32 images of the main window's toolbar, drawn when the window is
// built: the console (sliders), the colour window (a hue ring) and the
// preview window (a frame of film).
QIcon consoleIcon();
QIcon colourIcon();
QIcon previewIcon();

} // namespace koratune
