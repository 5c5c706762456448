#include "common/FileNames.h"

#include <QFileInfo>

namespace common {

QString withDefaultExtension(const QString& path, const QString& extension) {
    if (QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + extension;
}

} // namespace common
