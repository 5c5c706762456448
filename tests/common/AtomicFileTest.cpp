#include "common/AtomicFile.h"
#include "common/ImageFile.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(AtomicFile, OnlyNewAndRegularFilesAreWritten) {
    QTemporaryDir folder;
    const QString regular = folder.filePath(QStringLiteral("strip.bmp"));
    ASSERT_TRUE(writeFileAtomically(regular, QByteArray("old")).ok());
    const QString linkToRegular = folder.filePath(QStringLiteral("link.bmp"));
    ASSERT_TRUE(QFile::link(regular, linkToRegular));
    const QString subfolder = folder.filePath(QStringLiteral("folder.bmp"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.bmp")));
    const QString linkToFolder = folder.filePath(QStringLiteral("folder-link.bmp"));
    ASSERT_TRUE(QFile::link(subfolder, linkToFolder));
    const QString pipe = folder.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_TRUE(test::makePipe(pipe));
    const QString device = folder.filePath(QStringLiteral("null.bmp"));
    const bool haveDevice = test::makeNullDevice(device);

    const struct {
        QString path;
        const char* refusal; // nullptr: written
        unsigned kind;       // what stands at the path afterwards
    } cases[] = {
        {folder.filePath(QStringLiteral("new.bmp")), nullptr, S_IFREG},
        {regular, nullptr, S_IFREG},
        {linkToRegular, nullptr, S_IFLNK},
        {subfolder, "it is a folder, not a regular file, and is left as it is", S_IFDIR},
        {linkToFolder, "it is a folder, not a regular file", S_IFLNK},
        {pipe, "it is a pipe (FIFO), not a regular file", S_IFIFO},
        {device, "it is a device, not a regular file", S_IFCHR},
    };
    for (const auto& c : cases) {
        if (c.path == device && !haveDevice)
            continue;
        const Status status = writeFileAtomically(c.path, QByteArray("new"));
        EXPECT_EQ(status.ok(), c.refusal == nullptr) << c.path.toStdString();
        if (c.refusal) {
            EXPECT_TRUE(status.message().startsWith(QString::fromUtf8(c.refusal)))
                << status.message().toStdString();
        } else {
            EXPECT_EQ(contentsOf(c.path), QByteArray("new"));
        }
        EXPECT_EQ(test::fileKind(c.path), c.kind) << c.path.toStdString();
    }
    EXPECT_TRUE(QDir(subfolder).isEmpty());
    EXPECT_EQ(QDir(folder.path())
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
                  .size(),
              haveDevice ? 7 : 6);
}

// A failing file system, set up in a child process so that neither the mount
// nor the limit reaches the tests: a full or read-only tmpfs in a mount
// namespace of the child's own, or a file-size limit.
enum class Trouble { FullDisk, ReadOnly, SizeLimit };

// Makes `folder` fail as `trouble` says, with the file `old` written before;
// false where the child may not mount.
bool makeTrouble(Trouble trouble, const std::string& folder, const QString& old) {
    if (trouble == Trouble::SizeLimit) {
        if (!writeFileAtomically(old, QByteArray("old content")).ok())
            return false;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
        return false;
    if (!writeFileAtomically(old, QByteArray("old content")).ok())
        return false;
    if (trouble == Trouble::ReadOnly)
        return ::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    QFile filler(QString::fromStdString(folder) + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    return true;
}

// Runs `write` on `old` in a child whose file system fails as `trouble` says;
// gives the message of the failed write and what `old` held afterwards, or
// "skip" where the trouble cannot be made.
std::string writeInTrouble(Trouble trouble, const QString& folder,
                           Status (*write)(const QString& path)) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const QString old = folder + QStringLiteral("/strip.bmp");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string report = "skip";
        if (makeTrouble(trouble, folder.toStdString(), old)) {
            const Status status = write(old);
            QFile file(old);
            file.open(QIODevice::ReadOnly);
            report = (status.ok() ? std::string("written") : status.message().toStdString()) +
                     " | " + file.readAll().toStdString();
        }
        const ssize_t sent = ::write(channel[1], report.data(), report.size());
        ::_exit(sent == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int exitStatus = 0;
    ::waitpid(child, &exitStatus, 0);
    return report;
}

Status writeBytes(const QString& path) {
    return writeFileAtomically(path, QByteArray(16384, 'x'));
}

Status writePicture(const QString& path) {
    QImage picture(128, 64, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    return writeImage(path, picture);
}

TEST(AtomicFile, AFailingFileSystemGivesItsReasonAndKeepsTheOldFile) {
    const struct {
        Trouble trouble;
        Status (*write)(const QString& path);
        const char* reason;
    } cases[] = {
        {Trouble::FullDisk, writeBytes, "No space left on device"},
        {Trouble::FullDisk, writePicture, "No space left on device"},
        {Trouble::ReadOnly, writeBytes, "Read-only file system"},
        {Trouble::SizeLimit, writeBytes, "File too large"},
        {Trouble::SizeLimit, writePicture, "File too large"},
    };
    bool skipped = false;
    for (const auto& c : cases) {
        QTemporaryDir folder;
        const QString report =
            QString::fromStdString(writeInTrouble(c.trouble, folder.path(), c.write));
        if (report == QStringLiteral("skip")) {
            skipped = true;
            continue;
        }
        EXPECT_TRUE(report.endsWith(QStringLiteral(" | old content"))) << report.toStdString();
        EXPECT_TRUE(report.contains(QString::fromUtf8(c.reason))) << report.toStdString();
        EXPECT_FALSE(report.contains(QStringLiteral("Unknown error")));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                  c.trouble == Trouble::SizeLimit ? 1 : 0);
    }
    if (skipped)
        GTEST_SKIP() << "no tmpfs could be mounted here; only the file-size limit was tried";
}

} // namespace
} // namespace common
