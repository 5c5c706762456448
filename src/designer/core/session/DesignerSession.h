#pragma once

#include "core/document/DesignDocument.h"
#include "core/render/RandomSource.h"
#include "core/render/RendPic.h"
#include "core/render/RenderRun.h"
#include "core/session/DesignHistory.h"
#include "core/session/DesignerDialogs.h"

#include <QString>

namespace kirabellum {

class ToolWindowHost;

// The state that the designer's windows share for the life of the process: the
// one design document, the random generator, the render run with its engine, the
// hidden frame strip, the design file dialog's memory and the dialogs.
class DesignerSession {
public:
    explicit DesignerSession(DesignerDialogs& dialogs, std::uint64_t seed = 0);

    DesignerSession(const DesignerSession&) = delete;
    DesignerSession& operator=(const DesignerSession&) = delete;

    DesignerDialogs& dialogs;
    DesignDocument document;
    // Undo and redo of the document, and whether it has unsaved changes.
    DesignHistory history{document};
    RandomSource random;
    RenderRun renderRun;
    RendPic rendPic;

    // The design file dialog remembers the last file name and its folder.
    QString designFileName;
    QString designFolder;
    // The file the design was last opened from or saved to; empty while the
    // design is untitled. The title shows it, and the save question names it.
    QString documentFile;

    // The layer that the particle editor has selected (1 to 8).
    int currentLayer = 1;

    // The program started by the "Koratuneを起動" command.
    QString koratuneProgram;

    // The tool windows, once the main window exists.
    ToolWindowHost* windows = nullptr;
};

} // namespace kirabellum
