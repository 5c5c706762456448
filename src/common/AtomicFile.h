#pragma once

#include "common/Status.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QFile;
class QIODevice;

namespace common {

// Every file either program writes goes through here: the content is written to
// a temporary file beside `path`, which replaces `path` only once all of it is
// written, so a failure never leaves a half-written file or damages an old one.
// Only a new file or an existing regular file is written (see
// checkOutputPath); a symbolic link to a regular file stays a link, and the
// file it points to is replaced. A failure of `writeContent` is passed on as it
// is, unless the file itself failed first; a failing file gives the operating
// system's reason (no space left, file too large, permission denied ...).
Status writeFileAtomically(const QString& path,
                           const std::function<Status(QIODevice& device)>& writeContent);
Status writeFileAtomically(const QString& path, const QByteArray& content);

// Refuses an output path where something other than a regular file stands: a
// folder, a device (such as /dev/null), a pipe (FIFO) or a socket, which a
// write must neither replace nor write into. Nothing at the path, or a regular
// file, also through a symbolic link, passes. writeFileAtomically checks this
// first; a writer of several files checks all of their names before the first
// is written.
Status checkOutputPath(const QString& path);

// Opens `file` for reading, or gives the operating system's reason why not.
Status openToRead(QFile& file);

// The whole content of a file, or the system's reason why it cannot be read.
Status readWholeFile(const QString& path, QByteArray& content);

} // namespace common
