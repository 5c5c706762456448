#include "common/FileNames.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(FileNames, OnlyANameWithoutAnExtensionGetsOne) {
    const struct {
        const char* typed;
        const char* saved;
    } cases[] = {
        {"/a/mydesign", "/a/mydesign.df2"}, {"/a/mydesign.df2", "/a/mydesign.df2"},
        {"/a/my.design", "/a/my.design"},   {"/a.b/mydesign", "/a.b/mydesign.df2"},
        {"mydesign.DF2", "mydesign.DF2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withDefaultExtension(QString::fromUtf8(c.typed), QStringLiteral("df2")),
                  QString::fromUtf8(c.saved))
            << c.typed;
}

} // namespace
} // namespace common
