#include "common/windows/WindowTranslations.h"

#include <QCoreApplication>

namespace common {

WindowTranslations::WindowTranslations(const QString& language) {
    if (translator_.load(QStringLiteral(":/translations/messages_%1.qm").arg(language)))
        installed_ = QCoreApplication::installTranslator(&translator_);
}

WindowTranslations::~WindowTranslations() {
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

} // namespace common
