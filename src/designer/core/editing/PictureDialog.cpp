#include "core/editing/PictureDialog.h"

#include "common/ImageFile.h"
#include "core/editing/PictureFiles.h"
#include "core/session/DesignerSession.h"

#include <QDir>
#include <QFileInfo>

namespace kirabellum {

QString PictureDialog::chooseToOpen(DesignerSession& session) {
    return choose(session, &common::Dialogs::openFile);
}

QString PictureDialog::chooseToSave(DesignerSession& session) {
    return choose(session, &common::Dialogs::saveFile);
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

QString PictureDialog::choose(DesignerSession& session, FileQuestion question) {
    const QString folder =
        fileName_.isEmpty() ? session.designFolder : QFileInfo(fileName_).absolutePath();
    const QString path = (session.dialogs.*question)(
                             QString(), QDir(folder).filePath(QFileInfo(fileName_).fileName()),
                             editorPictureFilter())
                             .path;
    if (!path.isEmpty())
        fileName_ = path;
    return path;
}

} // namespace kirabellum
