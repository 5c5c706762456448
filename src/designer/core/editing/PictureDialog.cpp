#include "core/editing/PictureDialog.h"

#include "common/ImageFile.h"
#include "core/editing/PictureFiles.h"
#include "core/session/DesignerSession.h"

#include <QDir>
#include <QFileInfo>

namespace kirabellum {

QString PictureDialog::chooseToOpen(DesignerSession& session) {
    return remember(
        session.dialogs.openFile(QString(), startAt(session), editorPictureFilter()).path);
}

QString PictureDialog::chooseToSave(DesignerSession& session) {
    return remember(
        session.dialogs.saveFile(QString(), startAt(session), editorPictureFilter(), QString())
            .path);
}

bool PictureDialog::openPicture(DesignerSession& session, bool (*fits)(const QImage& picture),
                                const QString& sizeMessage, QImage& picture) {
    const QString path = chooseToOpen(session);
    if (path.isEmpty())
        return false;
    return readPicture(session, path, fits, sizeMessage, picture);
}

bool PictureDialog::readPicture(DesignerSession& session, const QString& path,
                                bool (*fits)(const QImage& picture), const QString& sizeMessage,
                                QImage& picture) {
    fileName_ = path;
    QImage read;
    const common::Status status = common::readImage(path, read);
    if (!status.ok()) {
        session.dialogs.warning(QStringLiteral("Load"), status.message());
        return false;
    }
    if (!fits(read)) {
        session.dialogs.warning(QStringLiteral("エラー"), sizeMessage);
        return false;
    }
    picture = read;
    return true;
}

QString PictureDialog::startAt(const DesignerSession& session) const {
    const QString folder =
        fileName_.isEmpty() ? session.designFolder : QFileInfo(fileName_).absolutePath();
    return QDir(folder).filePath(QFileInfo(fileName_).fileName());
}

QString PictureDialog::remember(const QString& path) {
    if (!path.isEmpty())
        fileName_ = path;
    return path;
}

} // namespace kirabellum
