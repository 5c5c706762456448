#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace common {

// The languages of both programs' windows. Japanese is the windows' own; the
// command lines speak English whatever the windows do.
enum class InterfaceLanguage { Japanese, English };

// "ja" and "en": the names the --language option takes and the settings keep.
QString languageName(InterfaceLanguage language);
std::optional<InterfaceLanguage> languageNamed(const QString& name);

// The language last chosen in either program's View menu (both programs share
// it); Japanese until one is chosen.
InterfaceLanguage savedInterfaceLanguage();
void saveInterfaceLanguage(InterfaceLanguage language);

// The windows' start arguments with "--language NAME" (or "--language=NAME")
// taken out: the language for this start, the other arguments, and a message
// when the option lacks its value or names no language.
struct WindowArguments {
    std::optional<InterfaceLanguage> language;
    QStringList rest;
    QString error;
};
WindowArguments takeLanguageOption(const QStringList& arguments);

} // namespace common
