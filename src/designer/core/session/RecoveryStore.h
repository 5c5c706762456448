#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace kirabellum {

// The recovery files of one designer and the ones that designers which are no
// longer running left behind, in one folder.
//
// Each store owns one slot: a recovery file with a name of its own, written
// while the design has unsaved changes, and its lock file, which the store takes
// with its first write and holds until it is destroyed. Designers running at
// once therefore never share a file, and a recovery file whose lock is not held
// by a running process is one left behind. Destroying the store releases the
// lock but leaves the file, so a designer that ends without remove() leaves its
// design behind, as one that crashes does.
class RecoveryStore {
public:
    // A recovery file that a designer left behind.
    struct Entry {
        QString path;
        QDateTime written;      // UTC; invalid when the file is damaged
        QString designFileName; // empty for an untitled design or a damaged file
        // Why the file cannot be restored, in one line that names it.
        common::Status problem = common::Status::success();
    };

    // The "recovery" folder in the user's application data folder.
    static QString defaultFolder();

    explicit RecoveryStore(const QString& folder = defaultFolder());

    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    const QString& folder() const { return folder_; }
    // This store's own recovery file.
    const QString& path() const { return path_; }

    // Writes the design and its file name (empty for an untitled design) to the
    // store's own file, creating the folder when needed. A failure leaves an
    // earlier file as it was.
    common::Status write(const DesignDocument& document, const QString& designFileName);
    // Deletes the store's own file, if there is one; the lock stays with the
    // store for later writes.
    common::Status remove();

    // The recovery files of designers that are no longer running, newest first;
    // damaged ones, with their problem, come last. The store keeps the lock of
    // each until it discards the entry or is destroyed, so no other designer
    // offers the same file meanwhile. Calling it again offers the entries still
    // held once more. Lock files left without their recovery file are removed.
    std::vector<Entry> leftBehind();
    // Reads one entry. On failure `document` and `designFileName` are as they were.
    // The file stays until discard(), so it can be discarded once the design has
    // been written to this store's own file.
    common::Status restore(const Entry& entry, DesignDocument& document,
                           QString& designFileName) const;
    // Deletes the entry's file and releases its lock.
    common::Status discard(const Entry& entry);

private:
    bool claim(const QString& path);

    QString folder_;
    QString path_;
    QLockFile lock_;
    std::map<QString, std::unique_ptr<QLockFile>> claimed_;
};

} // namespace kirabellum
