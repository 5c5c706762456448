#pragma once

#include <QString>

namespace common {

// The name as the user typed it when its file part has an extension, otherwise
// with "." and `extension` appended, so that a file saved as "mydesign" is
// found again by the dialogs' filters.
QString withDefaultExtension(const QString& path, const QString& extension);

} // namespace common
