#pragma once

#include <QString>
#include <QTranslator>

namespace common {

// The translations of the programs' messages into the windows' language,
// embedded in the program, installed on the application for as long as this
// lives. The windows create one at start; the command lines never do, so what
// they print stays in the messages' own English.
class WindowTranslations {
public:
    // Japanese is the windows' language; another language name loads the
    // translations of that name when the program holds them.
    explicit WindowTranslations(const QString& language = QStringLiteral("ja"));
    ~WindowTranslations();
    WindowTranslations(const WindowTranslations&) = delete;
    WindowTranslations& operator=(const WindowTranslations&) = delete;

    bool installed() const { return installed_; }

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace common
