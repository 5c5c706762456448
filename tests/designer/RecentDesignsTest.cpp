#include "core/session/RecentDesigns.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirabellum::test {
namespace {

// The list kept in settings of the test's own.
class RecentDesignsTest : public testing::Test {
protected:
    RecentDesignsTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }
    QString path(int index) const { return folder.filePath(QStringLiteral("d%1.df2").arg(index)); }

    QTemporaryDir settings;
    QTemporaryDir folder;
    RecentDesigns recent;
};

TEST_F(RecentDesignsTest, TheListKeepsEightDesignsNewestFirstEachOnce) {
    for (int index = 0; index < 10; ++index)
        recent.add(path(index));
    QStringList paths = recent.paths();
    ASSERT_EQ(paths.size(), RecentDesigns::Limit);
    EXPECT_EQ(paths.first(), path(9));
    EXPECT_EQ(paths.last(), path(2));

    recent.add(path(5));
    paths = recent.paths();
    EXPECT_EQ(paths.size(), RecentDesigns::Limit);
    EXPECT_EQ(paths.first(), path(5));
    EXPECT_EQ(paths.count(path(5)), 1);
    EXPECT_EQ(paths.last(), path(2));
}

TEST_F(RecentDesignsTest, ADesignIsKeptByItsAbsolutePathUntilRemoved) {
    const QString current = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    recent.add(QStringLiteral("d1.df2"));
    ASSERT_TRUE(QDir::setCurrent(current));
    recent.add(path(2));
    EXPECT_EQ(recent.paths(), QStringList({path(2), path(1)}));
    // Every designer sees the same list.
    EXPECT_EQ(RecentDesigns().paths(), recent.paths());

    recent.remove(path(2));
    EXPECT_EQ(recent.paths(), QStringList({path(1)}));
}

} // namespace
} // namespace kirabellum::test
