#pragma once

#include "common/Dialogs.h"
#include "core/FrameImages.h"
#include "core/PostprocEvents.h"
#include "core/SharedSettings.h"

#include <QHash>
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

    // The file dialog shared by opening, compositing and output. Opening
    // starts from the name it last returned, at first in the user's pictures
    // folder; output proposes a new name (see proposedOutputName). Empty when
    // cancelled.
    QString chooseFile(const QString& caption, FileUse use);
    // Opens the picture at `name` into the images and remembers its name.
    common::Status openPicture(const QString& name);
    // The name proposed for output with `extension`, never the opened
    // picture's own: beside it, its name with "_out" ("fire_out.bmp"), or the
    // first of "fire_out2.bmp", "fire_out3.bmp", ... that is not there yet.
    // Without a picture opened from a file, none.
    QString proposedOutputName(const QString& extension) const;
    // True when an image is open; otherwise tells the user so.
    bool requireImage(const QString& title);

    common::Dialogs& dialogs;
    SharedSettings settings;
    FrameImages images;

    // How the windows tell the main window of a new work image or a status line.
    PostprocEvents events;

    // The columns the output window last had for each number of frames used,
    // which it starts with again for that number.
    QHash<int, int> outputColumns;

private:
    QString lastFileName_;
    QString pictureName_;
};

} // namespace koratune
