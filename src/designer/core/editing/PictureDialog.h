#pragma once

#include <QImage>
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

    // Asks for a picture and reads it into `picture`. False, with `picture`
    // unchanged, when the user cancelled (silently), when the file is no
    // readable picture (a message says why) or when `fits` refuses its size
    // (the message "エラー" with `sizeMessage`).
    bool openPicture(DesignerSession& session, bool (*fits)(const QImage& picture),
                     const QString& sizeMessage, QImage& picture);
    // The same for the picture at `path` (a file dropped on the editor), with no
    // question; the next dialog starts at it.
    bool readPicture(DesignerSession& session, const QString& path,
                     bool (*fits)(const QImage& picture), const QString& sizeMessage,
                     QImage& picture);

private:
    // Where the dialog starts: at the last chosen name, in its folder, or in
    // the design's folder.
    QString startAt(const DesignerSession& session) const;
    // Keeps a chosen name (not an empty one) for the next dialog.
    QString remember(const QString& path);

    QString fileName_;
};

} // namespace kirabellum
