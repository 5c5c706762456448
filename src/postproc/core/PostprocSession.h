#pragma once

#include "common/Dialogs.h"
#include "core/FrameImages.h"
#include "core/PostprocEvents.h"
#include "core/SharedSettings.h"

#include <QString>

namespace koratune {

// What a file name is chosen for: reading an image or writing the output.
enum class FileUse { Open, Save };

// The state that the post-processor's windows share for the life of the
// process: the shared settings, the work, overlay and base images, the file
// dialog's memory and the dialogs.
class PostprocSession {
public:
    explicit PostprocSession(common::Dialogs& sessionDialogs) : dialogs(sessionDialogs) {}

    PostprocSession(const PostprocSession&) = delete;
    PostprocSession& operator=(const PostprocSession&) = delete;

    // The file dialog shared by opening, compositing and output; it starts
    // from the name it last returned, at first in the user's pictures folder.
    // Empty when cancelled.
    QString chooseFile(const QString& caption, FileUse use);
    // The name the export window proposes: the file dialog's last name with
    // the sheet's extension, so that it starts in the folder of the work.
    QString proposedSheetName() const;
    // True when an image is open; otherwise tells the user so.
    bool requireImage(const QString& title);

    common::Dialogs& dialogs;
    SharedSettings settings;
    FrameImages images;

    // How the windows tell the main window of a new work image or a status line.
    PostprocEvents events;

private:
    QString lastFileName_;
};

} // namespace koratune
