#pragma once

#include "common/Status.h"

#include <QIODevice>
#include <QSaveFile>
#include <QString>

namespace common {

// The device every file is written through. What is written goes straight to a
// temporary file beside the target, which replaces the target only on a
// successful commit; the target is never half written. Unlike a bare QSaveFile
// it keeps the operating system's reason for the first write that fails or
// falls short (a full disk, a file-size limit), read from errno at the failing
// call, and it never puts a file in place that missed some of its bytes.
class SaveDevice : public QIODevice {
public:
    explicit SaveDevice(const QString& path);

    // Opens the temporary file, or says why it cannot be made.
    Status openForWriting();

    // Replaces the target with what was written when `written`, the writer's
    // own outcome, is a success and every write went through. Otherwise the
    // temporary file is removed and the target stays as it was; the reason is
    // the first failed write's, else `written`'s. A failed replacement gives
    // the system's reason too.
    Status commit(const Status& written);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maximumSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QSaveFile file_;
    QString writeFailure_; // the first failed write's reason; empty while all went well
};

} // namespace common
