#include "core/session/RecoveryStore.h"

#include "common/FileFailure.h"
#include "core/session/RecoveryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace kirabellum {

namespace {

QString extension() {
    return QStringLiteral(".recovery");
}

QString lockSuffix() {
    return QStringLiteral(".lock");
}

QString lockPathOf(const QString& path) {
    return path + lockSuffix();
}

// The locks here are held for as long as a designer runs, so only the end of
// the process that holds one makes it stale, never its age.
void holdUntilOwnerEnds(QLockFile& lock) {
    lock.setStaleLockTime(0);
}

QString lockFailure(QLockFile::LockError error) {
    switch (error) {
    case QLockFile::LockFailedError:
        return QCoreApplication::translate("kirabellum::RecoveryStore",
                                           "another designer holds its lock");
    case QLockFile::PermissionError:
        return QCoreApplication::translate("kirabellum::RecoveryStore",
                                           "the folder may not be written");
    default:
        return QCoreApplication::translate("kirabellum::RecoveryStore",
                                           "its lock file could not be written");
    }
}

common::Status removeFile(const QString& path) {
    QFile file(path);
    errno = 0;
    if (!file.exists() || file.remove())
        return common::Status::success();
    return common::Status::failure(
        QCoreApplication::translate("kirabellum::RecoveryStore",
                                    "Cannot remove the recovery file \"%1\": %2")
            .arg(path, common::fileFailureReason(
                           errno, file,
                           QCoreApplication::translate("kirabellum::RecoveryStore",
                                                       "it could not be removed"))));
}

} // namespace

QString RecoveryStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

RecoveryStore::RecoveryStore(const QString& folder)
    : folder_(folder), path_(QDir(folder).filePath(
                           QUuid::createUuid().toString(QUuid::WithoutBraces) + extension())),
      lock_(lockPathOf(path_)) {
    holdUntilOwnerEnds(lock_);
}

common::Status RecoveryStore::write(const DesignDocument& document, const QString& designFileName) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder_.toStdU16String()), error);
    if (error)
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::RecoveryStore",
                                        "Cannot create the recovery folder \"%1\": %2")
                .arg(folder_, QString::fromLocal8Bit(error.message())));
    if (!lock_.isLocked() && !lock_.tryLock(0))
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::RecoveryStore",
                                        "Cannot write the recovery file \"%1\": %2")
                .arg(path_, lockFailure(lock_.error())));
    return writeRecoveryFile(path_, document, designFileName, QDateTime::currentDateTimeUtc());
}

common::Status RecoveryStore::remove() {
    return removeFile(path_);
}

bool RecoveryStore::claim(const QString& path) {
    if (claimed_.count(path) != 0)
        return true;
    auto lock = std::make_unique<QLockFile>(lockPathOf(path));
    holdUntilOwnerEnds(*lock);
    // Another designer may have discarded the file after it was listed.
    if (!lock->tryLock(0) || !QFile::exists(path))
        return false;
    claimed_.emplace(path, std::move(lock));
    return true;
}

std::vector<RecoveryStore::Entry> RecoveryStore::leftBehind() {
    const QDir folder(folder_);
    std::vector<Entry> entries;
    for (const QString& name : folder.entryList({QStringLiteral("*") + extension()}, QDir::Files)) {
        const QString path = folder.filePath(name);
        if (!claim(path))
            continue;
        Entry entry;
        entry.path = path;
        DesignDocument design;
        entry.problem = readRecoveryFile(path, design, entry.designFileName, entry.written);
        entries.push_back(entry);
    }

    // A designer that ended after remove() left its lock alone; taking a stale
    // one and letting it go deletes it.
    const QString locks = QStringLiteral("*") + extension() + lockSuffix();
    for (const QString& name : folder.entryList({locks}, QDir::Files)) {
        const QString lockPath = folder.filePath(name);
        if (QFile::exists(lockPath.chopped(lockSuffix().size())))
            continue;
        QLockFile orphan(lockPath);
        holdUntilOwnerEnds(orphan);
        orphan.tryLock(0);
    }

    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.problem.ok() != b.problem.ok())
            return a.problem.ok();
        return a.written > b.written;
    });
    return entries;
}

common::Status RecoveryStore::restore(const Entry& entry, DesignDocument& document,
                                      QString& designFileName) const {
    QDateTime written;
    return readRecoveryFile(entry.path, document, designFileName, written);
}

common::Status RecoveryStore::discard(const Entry& entry) {
    const common::Status removed = removeFile(entry.path);
    if (removed.ok())
        claimed_.erase(entry.path);
    return removed;
}

} // namespace kirabellum
