#pragma once

#include <QString>

class QFileDevice;

namespace common {

// Why an operation on `file` failed, for a message. `errorNumber` is the errno
// read right after the failing call (cleared before it): the operating
// system's reason ("No space left on device", "File too large", "Read-only
// file system" ...), which Qt keeps no trace of for a write that falls short.
// The answer is the file's own error text when Qt kept a real one, with the
// system's reason after it in brackets where the text does not already say it
// ("Existing file ... is not writable (Read-only file system)"); else the
// system's reason; else `fallback`. Qt's "Unknown error", which it gives when it
// kept no reason, is never the answer.
QString fileFailureReason(int errorNumber, const QFileDevice& file, const QString& fallback);

} // namespace common
