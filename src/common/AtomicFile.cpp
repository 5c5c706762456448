#include "common/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

namespace common {

Status writeFileAtomically(const QString& path,
                           const std::function<Status(QIODevice& device)>& writeContent) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(file.errorString());
    const Status written = writeContent(file);
    if (!written.ok())
        return written;
    if (!file.commit())
        return Status::failure(file.errorString());
    return Status::success();
}

Status writeFileAtomically(const QString& path, const QByteArray& content) {
    return writeFileAtomically(path, [&content](QIODevice& device) {
        if (device.write(content) != content.size())
            return Status::failure(device.errorString());
        return Status::success();
    });
}

Status readWholeFile(const QString& path, QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Status::failure(file.errorString());
    content = bytes;
    return Status::success();
}

} // namespace common
