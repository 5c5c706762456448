#include "common/windows/AlphaModeCaption.h"

#include <QCoreApplication>

namespace common {

namespace {

// In the order of AlphaMode.
const char* const captions[] = {
    QT_TRANSLATE_NOOP("common::AlphaModeCaption", "加算"),
    QT_TRANSLATE_NOOP("common::AlphaModeCaption", "ストレート"),
    QT_TRANSLATE_NOOP("common::AlphaModeCaption", "乗算済み"),
};

} // namespace

QString alphaModeCaption(AlphaMode mode) {
    return QCoreApplication::translate("common::AlphaModeCaption",
                                       captions[static_cast<int>(mode)]);
}

} // namespace common
