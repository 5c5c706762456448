#pragma once

class QMenu;

namespace common {

class WindowTranslations;

// Adds the submenu "Language / 言語" to `menu`, with "日本語" and "English":
// choosing one switches every open window to it at once and keeps the choice
// for both programs' next starts. The entries keep their texts in either
// language, so that a user who cannot read one finds the other.
void addLanguageMenu(QMenu& menu, WindowTranslations& translations);

} // namespace common
