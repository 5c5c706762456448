#pragma once

#include <QString>

#include <functional>

namespace kirabellum {

class DesignerSession;
struct DesignDocument;
struct DesignFormat;

// The life of the design file: New, Open, Save, the recent designs, the
// samples, dropped files and the recovery of designs left behind. It asks the
// user through the session's dialogs and tells the windows what to show
// through one callback.
class DesignLifecycle {
public:
    // What the windows are asked to do, in the order the commands ask it.
    enum class WindowRequest {
        // New has put a new design in the document: every closed window opens,
        // the spark and colour editors first (clearing the spark images paints
        // the spark view and shortening the ramp resizes the ramp image).
        OpenForNewDesign,
        // Another design is about to replace the document: every closed
        // window opens.
        OpenClosedWindows,
        // The document was replaced: every window redraws from it.
        Refresh,
        // The design's file or its unsaved state changed: the title shows it.
        ShowTitle,
    };
    using Windows = std::function<void(WindowRequest)>;

    DesignLifecycle(DesignerSession& session, Windows windows);

    // Before New, Open or quitting replaces a design with unsaved changes: asks
    // whether to save it first. True when the command may go on.
    bool keepUnsavedChanges();

    void newDesign();
    // Open with the dialog: `own` is the command's format, offered first, the
    // JSON form second.
    void open(const DesignFormat& own);
    // Opens a design as Open does, without the dialog, in the format its
    // extension names. A file that cannot be read gets a message and leaves
    // the design as it was. True when it was opened.
    bool openDesign(const QString& path);
    // A design of the recent list: asks about unsaved changes, then opens it;
    // a file that is gone is taken off the list with a message.
    void openRecentDesign(const QString& path);
    // Asks about unsaved changes, then opens a sample's design as a new,
    // untitled design with nothing to save (Save asks where to put it,
    // proposing the sample's own `fileName`).
    void openSample(const DesignDocument& design, const QString& fileName);
    // Whether a dropped file is a design: a name of a known design format.
    static bool isDesignFile(const QString& path);
    // A dropped design: asks about unsaved changes, then opens it.
    void openDropped(const QString& path);
    // Save with the dialog, in version 1.2 or as JSON. True when the design was
    // saved.
    //
    // A design whose layers use effects, which version 1.2 cannot hold, is saved
    // there only after a question: save it as JSON instead, under the same name
    // with ".json" (which becomes the design's file), save the version 1.2 file
    // without them (the design keeps them and counts as unsaved, as they are not
    // saved anywhere), or cancel.
    bool save();
    // Save without the dialog: into the file the design came from or was last
    // saved to, in its format, with the same question. An untitled design, or
    // one from a file of a format that is only read, is saved with the dialog.
    // True when saved.
    bool saveInPlace();

    // The design's file name as the title and the save question name it:
    // "無題" while it is untitled.
    QString documentName() const;

    // At start: offers to restore each design that a designer which ended
    // without saving left behind, newest first. True when one was restored.
    bool offerRecovery();

private:
    bool openDesign(const QString& path, const DesignFormat& format);
    // Shows `design` in every window, as from `path` (empty for an untitled
    // one), unchanged.
    void showDocument(const DesignDocument& design, const QString& path);
    // The design now comes from `path` (empty for an untitled one), unchanged.
    void startDocument(const QString& path);
    // The dialogs start from the folder of the file last chosen.
    void remember(const QString& path);
    // Writes the design to `path` and makes it the design's file, asking first
    // when the format cannot hold the design's layer effects; a failure gets a
    // message.
    bool write(const QString& path, const DesignFormat& format);
    // Writes it without asking. `whole`: the file holds all of the design, which
    // then counts as saved; otherwise it has unsaved changes.
    bool writeFile(const QString& path, const DesignFormat& format, bool whole);

    DesignerSession& session_;
    Windows windows_;
    // The name Save proposes for an untitled design: a sample's own.
    QString untitledName_;
};

} // namespace kirabellum
