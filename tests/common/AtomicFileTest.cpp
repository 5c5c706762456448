#include "common/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace common {
namespace {

QByteArray contentsOf(const QString& path) {
    QByteArray content;
    EXPECT_TRUE(readWholeFile(path, content).ok()) << path.toStdString();
    return content;
}

TEST(AtomicFile, AWriteReplacesTheFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("design.df2"));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("first, longer content")).ok());
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("second")).ok());
    EXPECT_EQ(contentsOf(path), QByteArray("second"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("design.df2")});
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndLeavesNothingBeside) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("strip.bmp"));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("good")).ok());
    const Status status = writeFileAtomically(path, [](QIODevice& device) {
        device.write("half of a ");
        return Status::failure(QStringLiteral("the picture ran out"));
    });
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), QStringLiteral("the picture ran out"));
    EXPECT_EQ(contentsOf(path), QByteArray("good"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("strip.bmp")});
}

TEST(AtomicFile, UnwritableAndUnreadablePlacesSayWhy) {
    QTemporaryDir folder;
    const QString inMissingFolder = folder.filePath(QStringLiteral("missing/design.df2"));
    const Status written = writeFileAtomically(inMissingFolder, QByteArray("x"));
    EXPECT_FALSE(written.ok());
    EXPECT_FALSE(written.message().isEmpty());
    QByteArray content("kept");
    const Status read = readWholeFile(inMissingFolder, content);
    EXPECT_FALSE(read.ok());
    EXPECT_FALSE(read.message().isEmpty());
    EXPECT_EQ(content, QByteArray("kept"));
    EXPECT_FALSE(QFile::exists(inMissingFolder));
}

} // namespace
} // namespace common
