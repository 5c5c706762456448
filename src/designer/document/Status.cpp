#include "document/Status.h"

namespace kirabellum {

Status Status::prefixed(const QString& context) const {
    if (ok())
        return *this;
    return failure(context + QStringLiteral(": ") + message_);
}

} // namespace kirabellum
