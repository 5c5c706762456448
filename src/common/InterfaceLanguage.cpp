#include "common/InterfaceLanguage.h"

#include <QSettings>

namespace common {

namespace {

// Both programs read and write the one choice.
QSettings sharedSettings() {
    return QSettings(QStringLiteral("kirabellum"), QStringLiteral("interface"));
}

const QString LanguageKey = QStringLiteral("Language");
const QString LanguageOption = QStringLiteral("--language");

} // namespace

QString languageName(InterfaceLanguage language) {
    return language == InterfaceLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<InterfaceLanguage> languageNamed(const QString& name) {
    if (name == QStringLiteral("ja"))
        return InterfaceLanguage::Japanese;
    if (name == QStringLiteral("en"))
        return InterfaceLanguage::English;
    return std::nullopt;
}

InterfaceLanguage savedInterfaceLanguage() {
    return languageNamed(sharedSettings().value(LanguageKey).toString())
        .value_or(InterfaceLanguage::Japanese);
}

void saveInterfaceLanguage(InterfaceLanguage language) {
    sharedSettings().setValue(LanguageKey, languageName(language));
}

WindowArguments takeLanguageOption(const QStringList& arguments) {
    WindowArguments result;
    for (int index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        QString value;
        if (argument == LanguageOption) {
            if (index + 1 == arguments.size()) {
                result.error = QStringLiteral("--language needs a value: ja or en");
                return result;
            }
            value = arguments[++index];
        } else if (argument.startsWith(LanguageOption + QLatin1Char('='))) {
            value = argument.mid(LanguageOption.size() + 1);
        } else {
            result.rest.append(argument);
            continue;
        }
        result.language = languageNamed(value);
        if (!result.language) {
            result.error = QStringLiteral("--language must be ja or en, not \"%1\"").arg(value);
            return result;
        }
    }
    return result;
}

} // namespace common
