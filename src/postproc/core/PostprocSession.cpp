#include "core/PostprocSession.h"

#include "common/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace koratune {

namespace {

// The pictures Open and composite offer: every picture Qt reads, then the
// bitmaps and PNG pictures both programs write.
common::FileFilters pictureFilters() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return {{QCoreApplication::translate("koratune::PostprocSession", "All pictures"), patterns},
            common::FileFilter::bitmapFiles(),
            common::FileFilter::pngFiles()};
}

} // namespace

QString PostprocSession::chooseFile(const QString& caption, FileUse use) {
    const QString bitmap = QStringLiteral("bmp");
    const QString openStart =
        lastFileName_.isEmpty() ? common::userFolder(common::UserFolder::Pictures) : lastFileName_;
    const QString name = use == FileUse::Open
                             ? dialogs.openFile(caption, openStart, pictureFilters()).path
                             : dialogs
                                   .saveFile(caption, proposedOutputName(bitmap),
                                             {common::FileFilter::bitmapFiles()}, bitmap)
                                   .path;
    if (!name.isEmpty())
        lastFileName_ = name;
    return name;
}

common::Status PostprocSession::openPicture(const QString& name) {
    const common::Status status = images.OpenPic(name);
    if (status.ok())
        pictureName_ = name;
    return status;
}

QString PostprocSession::proposedOutputName(const QString& extension) const {
    if (pictureName_.isEmpty())
        return QString();
    const QFileInfo picture(pictureName_);
    const QString stem = picture.completeBaseName() + QStringLiteral("_out");
    QString name = picture.dir().filePath(stem + QLatin1Char('.') + extension);
    for (int number = 2; QFileInfo::exists(name); ++number)
        name =
            picture.dir().filePath(stem + QString::number(number) + QLatin1Char('.') + extension);
    return name;
}

bool PostprocSession::requireImage(const QString& title) {
    if (!images.isEmpty())
        return true;
    dialogs.warning(
        title, QCoreApplication::translate("koratune::PostprocSession",
                                           "No image is open yet.\n\nOpen a frame image first with "
                                           "ﾌｧｲﾙ → 画像を開く (Ctrl+O)."));
    return false;
}

} // namespace koratune
