#include "common/InterfaceLanguage.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(InterfaceLanguage, TheLanguageOptionIsTakenOutOfTheWindowsArguments) {
    const struct {
        const char* arguments;
        std::optional<InterfaceLanguage> language;
        const char* rest;
        bool error;
    } cases[] = {
        {"", std::nullopt, "", false},
        {"design.df2", std::nullopt, "design.df2", false},
        {"--language en design.df2", InterfaceLanguage::English, "design.df2", false},
        {"design.df2 --language=ja", InterfaceLanguage::Japanese, "design.df2", false},
        {"--language", std::nullopt, "", true},
        {"--language fr", std::nullopt, "", true},
        {"--language=", std::nullopt, "", true},
    };
    const auto words = [](const char* text) {
        return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    for (const auto& c : cases) {
        const WindowArguments taken = takeLanguageOption(words(c.arguments));
        const std::string where = c.arguments;
        EXPECT_EQ(taken.language, c.language) << where;
        EXPECT_EQ(taken.rest, words(c.rest)) << where;
        EXPECT_EQ(!taken.error.isEmpty(), c.error) << where;
    }
}

TEST(InterfaceLanguage, NamesAreTheOptionsValues) {
    for (InterfaceLanguage language : {InterfaceLanguage::Japanese, InterfaceLanguage::English})
        EXPECT_EQ(languageNamed(languageName(language)), language);
}

} // namespace
} // namespace common
