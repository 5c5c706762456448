#pragma once

#include <QIcon>
#include <QString>

namespace common {

// A program's icon from its scalable picture (an SVG file or resource), drawn
// at the sizes window frames, task bars and menus ask for. An icon the picture
// cannot give is empty, and the windows fall back to the platform's.
QIcon programIcon(const QString& svgPath);

} // namespace common
