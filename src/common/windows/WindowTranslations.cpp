#include "common/windows/WindowTranslations.h"

#include <QCoreApplication>
#include <QLocale>

namespace common {

WindowTranslations::WindowTranslations(const QString& program, InterfaceLanguage language)
    : program_(program), previousLocale_(QLocale()) {
    setLanguage(language);
}

WindowTranslations::~WindowTranslations() {
    remove();
    QLocale::setDefault(previousLocale_);
}

void WindowTranslations::setLanguage(InterfaceLanguage language) {
    remove();
    language_ = language;
    // The windows' locale follows, for what they show that is data rather
    // than a text of theirs (the samples' names).
    QLocale::setDefault(
        QLocale(language == InterfaceLanguage::English ? QLocale::English : QLocale::Japanese));
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
