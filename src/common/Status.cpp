#include "common/Status.h"

namespace common {

Status Status::prefixed(const QString& context) const {
    if (ok())
        return *this;
    return failure(context + QStringLiteral(": ") + message_);
}

} // namespace common
