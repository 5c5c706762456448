#pragma once

#include <QString>

namespace common {

// The name as the user typed it when its file part has an extension, otherwise
// with "." and `extension` appended, so that a file saved as "mydesign" is
// found again by the dialogs' filters.
QString withDefaultExtension(const QString& path, const QString& extension);

// The user's folders the file dialogs start in before any file was chosen:
// pictures for images, documents for designs; the home folder where the
// system has no such folder. Never a program's own folder.
enum class UserFolder { Pictures, Documents };
QString userFolder(UserFolder folder);

} // namespace common
