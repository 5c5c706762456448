#include "common/AtomicFile.h"

#include "common/FileFailure.h"
#include "common/SaveDevice.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace common {

namespace {

// What stands at an existing path that is no regular file, for a message.
QString kindOf(std::filesystem::file_type type) {
    switch (type) {
    case std::filesystem::file_type::directory:
        return QCoreApplication::translate("common::AtomicFile", "a folder");
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
        return QCoreApplication::translate("common::AtomicFile", "a device");
    case std::filesystem::file_type::fifo:
        return QCoreApplication::translate("common::AtomicFile", "a pipe (FIFO)");
    case std::filesystem::file_type::socket:
        return QCoreApplication::translate("common::AtomicFile", "a socket");
    default:
        return QCoreApplication::translate("common::AtomicFile", "something other than a file");
    }
}

} // namespace

Status writeFileAtomically(const QString& path,
                           const std::function<Status(QIODevice& device)>& writeContent) {
    const Status target = checkOutputPath(path);
    if (!target.ok())
        return target;
    SaveDevice device(path);
    const Status opened = device.openForWriting();
    if (!opened.ok())
        return opened;
    return device.commit(writeContent(device));
}

Status writeFileAtomically(const QString& path, const QByteArray& content) {
    return writeFileAtomically(path, [&content](QIODevice& device) {
        if (device.write(content) != content.size())
            return Status::failure(device.errorString());
        return Status::success();
    });
}

Status checkOutputPath(const QString& path) {
    // The status of what the path leads to, through symbolic links. A path
    // that cannot be looked at (a missing folder, no permission) is left to
    // the write, which says why.
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::status(std::filesystem::path(path.toStdU16String()), error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_regular_file(status))
        return Status::success();
    return Status::failure(
        QCoreApplication::translate("common::AtomicFile",
                                    "it is %1, not a regular file, and is left as it is")
            .arg(kindOf(status.type())));
}

Status openToRead(QFile& file) {
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(fileFailureReason(
            errno, file,
            QCoreApplication::translate("common::AtomicFile", "the file could not be opened")));
    return Status::success();
}

Status readWholeFile(const QString& path, QByteArray& content) {
    QFile file(path);
    const Status opened = openToRead(file);
    if (!opened.ok())
        return opened;
    errno = 0;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Status::failure(fileFailureReason(
            errno, file,
            QCoreApplication::translate("common::AtomicFile", "the file could not be read")));
    content = bytes;
    return Status::success();
}

} // namespace common
