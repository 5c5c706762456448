#include "core/editing/PictureDialog.h"

#include "core/editing/PictureFiles.h"
#include "core/session/DesignerSession.h"

#include <QFileInfo>

namespace kirabellum {

QString PictureDialog::chooseToOpen(DesignerSession& session) {
    const QString folder =
        fileName_.isEmpty() ? session.designFolder : QFileInfo(fileName_).absolutePath();
    const QString path = session.dialogs.openFileName(folder, QFileInfo(fileName_).fileName(),
                                                      editorPictureFilter());
    if (!path.isEmpty())
        fileName_ = path;
    return path;
}

QString PictureDialog::chooseToSave(DesignerSession& session) {
    const QString folder =
        fileName_.isEmpty() ? session.designFolder : QFileInfo(fileName_).absolutePath();
    const QString path = session.dialogs.saveFileName(folder, QFileInfo(fileName_).fileName(),
                                                      editorPictureFilter());
    if (!path.isEmpty())
        fileName_ = path;
    return path;
}

} // namespace kirabellum
