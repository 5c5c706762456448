#include "core/Status.h"

namespace koratune {

Status Status::prefixed(const QString& context) const {
    if (ok())
        return *this;
    return failure(context + QStringLiteral(": ") + message_);
}

} // namespace koratune
