#include "common/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace common {

QString withDefaultExtension(const QString& path, const QString& extension) {
    if (QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + extension;
}

QString userFolder(UserFolder folder) {
    const QString path = QStandardPaths::writableLocation(folder == UserFolder::Pictures
                                                              ? QStandardPaths::PicturesLocation
                                                              : QStandardPaths::DocumentsLocation);
    return QFileInfo(path).isDir() ? path : QDir::homePath();
}

} // namespace common
