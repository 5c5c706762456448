#pragma once

#include <QString>

class QMimeData;

namespace common {

// The file a drag brings, when it brings exactly one local file; otherwise an
// empty string (several files, a folder, text or a remote address).
QString droppedFile(const QMimeData* data);

} // namespace common
