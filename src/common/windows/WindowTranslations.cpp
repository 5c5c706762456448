#include "common/windows/WindowTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace common {

WindowTranslations::WindowTranslations(InterfaceLanguage language) : previousLocale_(QLocale()) {
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
    const QDir catalogues(QStringLiteral(":/translations"));
    const QStringList names =
        catalogues.entryList({QStringLiteral("*_%1.qm").arg(languageName(language))}, QDir::Files);
    installed_ = !names.isEmpty();
    for (const QString& name : names) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(catalogues.filePath(name)) &&
            QCoreApplication::installTranslator(translator.get()))
            translators_.push_back(std::move(translator));
        else
            installed_ = false;
    } // Qt's own texts (the file dialogs, the standard buttons, the question
    // before a file is replaced) from the toolkit's catalogue of the language,
    // where the system has one.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_%1").arg(languageName(language)),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(toolkit.get()))
        translators_.push_back(std::move(toolkit));
}

void WindowTranslations::remove() {
    for (const auto& translator : translators_)
        QCoreApplication::removeTranslator(translator.get());
    translators_.clear();
    installed_ = false;
}

} // namespace common
