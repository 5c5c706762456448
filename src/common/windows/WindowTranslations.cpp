#include "common/windows/WindowTranslations.h"

#include <QCoreApplication>

namespace common {

WindowTranslations::WindowTranslations(const QString& program, InterfaceLanguage language)
    : program_(program) {
    setLanguage(language);
}

WindowTranslations::~WindowTranslations() {
    remove();
}

void WindowTranslations::setLanguage(InterfaceLanguage language) {
    remove();
    language_ = language;
    if (language == InterfaceLanguage::Japanese) {
        installed_ = install(messages_, QStringLiteral("messages_ja"));
        return;
    }
    const bool shared = install(sharedWindows_, QStringLiteral("common_en"));
    const bool own = install(programWindows_, program_ + QStringLiteral("_en"));
    installed_ = shared && own;
}

void WindowTranslations::remove() {
    for (QTranslator* translator : installedTranslators_)
        QCoreApplication::removeTranslator(translator);
    installedTranslators_.clear();
    installed_ = false;
}

bool WindowTranslations::install(QTranslator& translator, const QString& name) {
    if (!translator.load(QStringLiteral(":/translations/%1.qm").arg(name)) ||
        !QCoreApplication::installTranslator(&translator))
        return false;
    installedTranslators_.push_back(&translator);
    return true;
}

} // namespace common
