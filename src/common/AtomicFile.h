#pragma once

#include "common/Status.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace common {

// Every file either program writes goes through here: the content is written to
// a temporary file beside `path`, which replaces `path` only once all of it is
// written, so a failure never leaves a half-written file or damages an old one.
// A failure of `writeContent` is passed on as it is; a failing file gives the
// system's reason.
Status writeFileAtomically(const QString& path,
                           const std::function<Status(QIODevice& device)>& writeContent);
Status writeFileAtomically(const QString& path, const QByteArray& content);

// The whole content of a file, or the system's reason why it cannot be read.
Status readWholeFile(const QString& path, QByteArray& content);

} // namespace common
