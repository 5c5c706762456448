#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace common::test {

// The 54-byte header of a 24-bit Windows bitmap of the given size, with no
// pixels after it: a picture that declares any size at no cost.
inline QByteArray bitmapHeader(qint32 width, qint32 height) {
    QByteArray header(54, '\0');
    auto* bytes = reinterpret_cast<uchar*>(header.data());
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<quint32>(54, bytes + 2);
    qToLittleEndian<quint32>(54, bytes + 10);
    qToLittleEndian<quint32>(40, bytes + 14);
    qToLittleEndian<qint32>(width, bytes + 18);
    qToLittleEndian<qint32>(height, bytes + 22);
    qToLittleEndian<quint16>(1, bytes + 26);
    qToLittleEndian<quint16>(24, bytes + 28);
    return header;
}

// A named pipe (FIFO) at `path`.
inline bool makePipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A device node at `path` that works as /dev/null does; only root may make
// one, so the tests that need it pass over it where this fails.
inline bool makeNullDevice(const QString& path) {
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// What stands at `path`, without following a symbolic link: S_IFREG,
// S_IFDIR, S_IFIFO, S_IFCHR, S_IFLNK ..., or 0 for nothing.
inline unsigned fileKind(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & S_IFMT;
}

} // namespace common::test
