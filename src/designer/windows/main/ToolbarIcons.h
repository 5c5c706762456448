#pragma once

#include <QIcon>

namespace kirabellum {

// The six toolbar pictures, drawn at run time: 1 particle editor, 2 gravity,
// 3 colour ramp, 4 spark, 5 render settings, 6 preview.
QIcon toolbarIcon(int button);

} // namespace kirabellum
