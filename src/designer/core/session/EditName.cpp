#include "core/session/EditName.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace kirabellum {

EditName::EditName(const QMetaObject& context, const char* caption)
    : context_(context.className()), caption_(caption) {}

QString EditName::text() const {
    return caption_ ? QCoreApplication::translate(context_, caption_) : QString();
}

} // namespace kirabellum
