#include "core/editing/PictureDialog.h"

#include "core/editing/PictureFiles.h"
#include "core/session/DesignerSession.h"

#include <QFileInfo>

namespace kirabellum {

QString PictureDialog::chooseToOpen(DesignerSession& session) {
    return choose(session, &DesignerDialogs::openFileName);
}

QString PictureDialog::chooseToSave(DesignerSession& session) {
    return choose(session, &DesignerDialogs::saveFileName);
}

QString PictureDialog::choose(DesignerSession& session, FileQuestion question) {
    const QString folder =
        fileName_.isEmpty() ? session.designFolder : QFileInfo(fileName_).absolutePath();
    const QString path =
        (session.dialogs.*question)(folder, QFileInfo(fileName_).fileName(), editorPictureFilter());
    if (!path.isEmpty())
        fileName_ = path;
    return path;
}

} // namespace kirabellum
