#include "common/windows/FileDrop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace common {

QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return QString();
    const QString path = url.toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

} // namespace common
