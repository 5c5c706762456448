#pragma once

#include <QString>

namespace kirabellum {

class DesignerDialogs;
class DesignerSession;

// The file dialog of a picture editor (spark or ramp): it offers the picture
// filter and remembers the last chosen name and its folder, starting in the
// design's folder.
class PictureDialog {
public:
    // The chosen file, or an empty string when the user cancelled.
    QString chooseToOpen(DesignerSession& session);
    QString chooseToSave(DesignerSession& session);

private:
    using FileQuestion = QString (DesignerDialogs::*)(const QString& folder,
                                                      const QString& fileName,
                                                      const QString& filter);
    QString choose(DesignerSession& session, FileQuestion question);

    QString fileName_;
};

} // namespace kirabellum
