#pragma once

#include <QString>

namespace common {

// The outcome of an operation that can fail on bad input or a failing file.
// Windows show the message in a message box; the command line prints it.
class [[nodiscard]] Status {
public:
    static Status success() { return Status(); }
    static Status failure(const QString& message) { return Status(message); }

    bool ok() const { return !failed_; }
    const QString& message() const { return message_; }

    // The same failure with context in front, e.g. the file it concerns.
    Status prefixed(const QString& context) const;

private:
    Status() = default;
    explicit Status(const QString& message) : failed_(true), message_(message) {}

    bool failed_ = false;
    QString message_;
};

} // namespace common
