#pragma once

#include "common/sheets/SheetOptions.h"

#include <QString>

namespace common {

// How the windows name an alpha mode (the export's transparency and the
// preview's engine blend alike), in the windows' language of the moment.
QString alphaModeCaption(AlphaMode mode);

} // namespace common
