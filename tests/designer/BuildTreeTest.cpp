#include <QDir>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

// The designer starts koratune from its own folder; in the build tree both
// programs stand in one folder, as they do once installed.
TEST(BuildTree, KoratuneStandsBesideTheDesigner) {
    const QFileInfo designer(QStringLiteral(KIRABELLUM_EXECUTABLE));
    const QFileInfo koratune(designer.dir().filePath(QStringLiteral("koratune")));
    EXPECT_TRUE(koratune.isFile()) << koratune.filePath().toStdString();
    EXPECT_TRUE(koratune.isExecutable()) << koratune.filePath().toStdString();
}
