#pragma once

#include "common/InterfaceLanguage.h"

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <vector>

namespace common {

// The translations a program's windows speak their language with, embedded in
// the program and installed on the application for as long as this lives:
// in Japanese, the Japanese of the messages the cores write in English; in
// English, the English of the windows' Japanese texts (the program's own and
// those of the windows both programs share). The windows create one at start;
// the command lines never do, so what they print stays in English.
class WindowTranslations {
public:
    // `program` names the program's translations: "kirabellum" or "koratune".
    explicit WindowTranslations(const QString& program,
                                InterfaceLanguage language = InterfaceLanguage::Japanese);
    ~WindowTranslations();
    WindowTranslations(const WindowTranslations&) = delete;
    WindowTranslations& operator=(const WindowTranslations&) = delete;

    // Puts the language's translations in the place of the others; Qt then
    // tells every window, which retranslates its texts.
    void setLanguage(InterfaceLanguage language);
    InterfaceLanguage language() const { return language_; }
    // Whether every translation the language needs was found and installed.
    bool installed() const { return installed_; }

private:
    void remove();
    bool install(QTranslator& translator, const QString& name);

    QString program_;
    QLocale previousLocale_;
    InterfaceLanguage language_ = InterfaceLanguage::Japanese;
    QTranslator messages_;
    QTranslator sharedWindows_;
    QTranslator programWindows_;
    std::vector<QTranslator*> installedTranslators_;
    bool installed_ = false;
};

} // namespace common
