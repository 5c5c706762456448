#include "common/windows/LanguageMenu.h"

#include "common/InterfaceLanguage.h"
#include "common/windows/WindowTranslations.h"

#include <QActionGroup>
#include <QMenu>

namespace common {

void addLanguageMenu(QMenu& menu, WindowTranslations& translations) {
    QMenu* languages = menu.addMenu(QStringLiteral("Language / 言語"));
    languages->setObjectName(QStringLiteral("LANGUAGE"));
    auto* group = new QActionGroup(languages);
    const struct {
        const char* caption;
        InterfaceLanguage language;
    } entries[] = {{"日本語", InterfaceLanguage::Japanese},
                   {"English", InterfaceLanguage::English}};
    for (const auto& entry : entries) {
        QAction* action = languages->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QStringLiteral("LANGUAGE_") + languageName(entry.language));
        action->setCheckable(true);
        action->setChecked(translations.language() == entry.language);
        group->addAction(action);
        const InterfaceLanguage language = entry.language;
        QObject::connect(action, &QAction::triggered, languages, [&translations, language] {
            translations.setLanguage(language);
            saveInterfaceLanguage(language);
        });
    }
}

} // namespace common
