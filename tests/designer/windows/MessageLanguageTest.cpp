#include "DesignerFixture.h"

#include "common/windows/WindowTranslations.h"
#include "core/document/DesignFile.h"

#include <QFile>

namespace kirabellum::test {
namespace {

class MessageLanguageTest : public DesignerFixture {
protected:
    MessageLanguageTest() { mainWindow->NEW_Click(); }
};

TEST_F(MessageLanguageTest, AFailedOpenSaysWhyInJapaneseWithTheFileName) {
    const QString file = path("short.df2");
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("too short");
    damaged.close();

    {
        const common::WindowTranslations translations;
        ASSERT_TRUE(translations.installed());
        EXPECT_FALSE(mainWindow->openDesign(file));
    }
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].title, QStringLiteral("Kirabellum"));
    EXPECT_EQ(dialogs.warnings[0].text,
              QStringLiteral("デザイン「%1」を開けません: バージョン 1.2 のデザインファイルとしては"
                             "短すぎます（9 バイト。%2 バイト以上必要です）")
                  .arg(file)
                  .arg(designFixedBytes(DesignFileVersion::V1_2)));

    // Without the translations the message is the command line's English.
    EXPECT_FALSE(mainWindow->openDesign(file));
    EXPECT_TRUE(dialogs.warnings.back().text.startsWith(
        QStringLiteral("Cannot open the design \"%1\": the file is too short").arg(file)));
}

} // namespace
} // namespace kirabellum::test
