#pragma once

#include "common/InterfaceLanguage.h"

#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace common {

// The translations a program's windows speak their language with, installed on
// the application for as long as this lives. Each library embeds its own
// catalogues in the program as ":/translations/LIBRARY_LANGUAGE.qm" (see
// cmake/Translations.cmake): in Japanese, the Japanese of the messages its core
// writes in English; in English, the English of its windows' Japanese texts.
// Qt's own texts follow from the toolkit's catalogue qtbase_LANGUAGE.qm in
// Qt's translations folder (Debian's qt6-translations-l10n). The windows
// create one at start; the command lines never do, so what they print stays in
// English.
class WindowTranslations {
public:
    explicit WindowTranslations(InterfaceLanguage language = InterfaceLanguage::Japanese);
    ~WindowTranslations();
    WindowTranslations(const WindowTranslations&) = delete;
    WindowTranslations& operator=(const WindowTranslations&) = delete;

    // Puts the language's catalogues in the place of the others; Qt then
    // tells every window, which retranslates its texts.
    void setLanguage(InterfaceLanguage language);
    InterfaceLanguage language() const { return language_; }
    // Whether the program embeds catalogues of the language and every one of
    // them was loaded and installed.
    bool installed() const { return installed_; }

private:
    void remove();

    QLocale previousLocale_;
    InterfaceLanguage language_ = InterfaceLanguage::Japanese;
    std::vector<std::unique_ptr<QTranslator>> translators_;
    bool installed_ = false;
};

} // namespace common
