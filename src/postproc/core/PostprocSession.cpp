#include "core/PostprocSession.h"

#include "common/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace koratune {

QString PostprocSession::chooseFile(const QString& caption, FileUse use) {
    const common::FileFilters filters = {common::FileFilter::bitmapFiles()};
    const QString start =
        lastFileName_.isEmpty() ? common::userFolder(common::UserFolder::Pictures) : lastFileName_;
    const QString name =
        use == FileUse::Open
            ? dialogs.openFile(caption, start, filters).path
            : dialogs.saveFile(caption, start, filters, QStringLiteral("bmp")).path;
    if (!name.isEmpty())
        lastFileName_ = name;
    return name;
}

QString PostprocSession::proposedSheetName() const {
    if (lastFileName_.isEmpty())
        return QString();
    const QFileInfo last(lastFileName_);
    return last.dir().filePath(last.completeBaseName() + QStringLiteral(".png"));
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
