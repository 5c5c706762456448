#include "common/SaveDevice.h"

#include "common/FileFailure.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>

namespace common {

SaveDevice::SaveDevice(const QString& path) : file_(path) {}

Status SaveDevice::openForWriting() {
    // Unbuffered, so that each write reaches the system at once and a failure
    // is seen, with its errno, at the write that caused it.
    errno = 0;
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Status::failure(fileFailureReason(
            errno, file_,
            QCoreApplication::translate("common::SaveDevice", "the file could not be created")));
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return Status::success();
}

Status SaveDevice::commit(const Status& written) {
    if (!writeFailure_.isEmpty() || !written.ok()) {
        file_.cancelWriting();
        return writeFailure_.isEmpty() ? written : Status::failure(writeFailure_);
    }
    errno = 0;
    if (!file_.commit())
        return Status::failure(fileFailureReason(
            errno, file_,
            QCoreApplication::translate("common::SaveDevice",
                                        "the written file could not replace the old one")));
    return Status::success();
}

qint64 SaveDevice::readData(char*, qint64) {
    return -1;
}

qint64 SaveDevice::writeData(const char* data, qint64 size) {
    if (!writeFailure_.isEmpty())
        return -1;
    errno = 0;
    const qint64 written = file_.write(data, size);
    if (written == size)
        return size;
    // A short write keeps no error in the file: the system's reason is in errno.
    writeFailure_ = fileFailureReason(
        errno, file_,
        QCoreApplication::translate("common::SaveDevice", "only %1 of %2 bytes could be written")
            .arg(std::max<qint64>(written, 0))
            .arg(size));
    setErrorString(writeFailure_);
    return -1;
}

} // namespace common
