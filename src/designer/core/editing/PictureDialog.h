#pragma once

#include <QString>

namespace kirabellum {

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
    QString fileName_;
};

} // namespace kirabellum
