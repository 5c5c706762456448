#pragma once

#include "common/Dialogs.h"
#include "common/WorkerPool.h"
#include "core/document/DesignDocument.h"
#include "core/render/RandomSource.h"
#include "core/render/RendPic.h"
#include "core/render/RenderRun.h"
#include "core/session/DesignHistory.h"
#include "core/session/DesignerEvents.h"
#include "core/session/RecentDesigns.h"
#include "core/session/RecoveryStore.h"

#include <QString>

namespace kirabellum {

// The state that the designer's windows share for the life of the process: the
// one design document, the random generator, the render threads, the render run
// with its engine, the hidden frame strip, the design file dialog's memory, the
// dialogs and the recovery file.
class DesignerSession {
public:
    explicit DesignerSession(common::Dialogs& dialogs, std::uint64_t seed = 0,
                             const QString& recoveryFolder = RecoveryStore::defaultFolder());

    DesignerSession(const DesignerSession&) = delete;
    DesignerSession& operator=(const DesignerSession&) = delete;

    common::Dialogs& dialogs;
    // The design. The editors change it only through history.edit(), which
    // records the undo step; New, Open and recovery replace it whole.
    DesignDocument document;
    // Undo and redo of the document, and whether it has unsaved changes.
    DesignHistory history{document};
    RandomSource random;
    // The render threads, which the render button's run and the live preview share.
    common::WorkerPool workers{common::WorkerPool::coreCount()};
    RenderRun renderRun;
    RendPic rendPic;

    // The design file dialog remembers the last file name and its folder; it
    // starts in the user's documents folder.
    QString designFileName;
    QString designFolder;
    // The file the design was last opened from or saved to; empty while the
    // design is untitled. The title shows it, and the save question names it.
    QString documentFile;
    // The File menu's list of designs opened or saved last.
    RecentDesigns recentDesigns;

    // Where the design is kept while it has unsaved changes, so that a crash
    // loses nothing; the file goes once the changes are saved or discarded.
    RecoveryStore recovery;
    // Writes the recovery file while there are unsaved changes, and removes it
    // while there are none (again, should a removal have failed before).
    common::Status keepRecovery();

    // The layer that the particle editor has selected (1 to 8).
    int currentLayer = 1;

    // The program started by the "Koratuneを起動" command.
    QString koratuneProgram;

    // How the windows hear of a render and of status lines.
    DesignerEvents events;
};

} // namespace kirabellum
