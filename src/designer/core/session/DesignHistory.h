#pragma once

#include "core/document/DesignDocument.h"
#include "core/session/EditName.h"

#include <QObject>
#include <QUndoStack>

#include <memory>
#include <utility>

namespace kirabellum {

// The undo history of the design document and whether it has unsaved changes.
//
// The editors change the document through edit(), which makes the change and
// then compares the document with the state of the last step and, if anything
// differs, pushes one step holding both states. Changes made within one
// gesture (a press and its release, or a held key) merge into one step, so a
// dragged or held scroll bar is undone at once, and the step keeps the name of
// its first change. States are shared between neighbouring steps, and the
// history keeps at most StepLimit steps.
class DesignHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int StepLimit = 200;

    explicit DesignHistory(DesignDocument& document);
    ~DesignHistory() override;

    // Changes the design through `change`, called with the document, and
    // records one step named `name` for whatever changed in the design since
    // the last step; nothing when the design is the same. While an undo or
    // redo restores, the change is made (a window settling a value it shows)
    // but not recorded.
    template <typename Change> void edit(const EditName& name, Change&& change) {
        std::forward<Change>(change)(document_);
        record(name);
    }

    // A press and its release (or a key press and its release) around changes
    // that form one step.
    void beginGesture();
    void endGesture();

    void undo();
    void redo();
    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    int stepCount() const { return stack_.count(); }
    // The names of the steps that undo and redo would take back or make
    // again; no name when there is none.
    EditName undoName() const;
    EditName redoName() const;
    // For the Edit menu's items to follow canUndoChanged, canRedoChanged and
    // indexChanged.
    const QUndoStack& stack() const { return stack_; }

    // New and Open: a fresh history from the document as it is now, without
    // unsaved changes.
    void startAfresh();
    // A successful Save. Undoing or redoing back to this step (or, after New
    // and Open, to the start) leaves the design without unsaved changes again.
    void markSaved();
    // A design brought back from a recovery file: unsaved, with a fresh history.
    void startAfreshUnsaved();
    // No state of the history is the saved one any more, as after a Save that
    // left part of the design out: the design has unsaved changes until the
    // next whole Save.
    void forgetSavedState();

    bool isModified() const { return modified_; }

Q_SIGNALS:
    void modifiedChanged(bool modified);
    // After an undo or redo put an earlier or later design into the document.
    void restored();
    // The design in the document is another than before: a step was recorded
    // (or merged into the gesture's), an undo or redo restored one, or a
    // fresh start began from a new, opened or recovered design.
    void changed();

private:
    class Step;
    using State = std::shared_ptr<const DesignDocument>;

    void record(const EditName& name);
    EditName nameOfStep(int index) const;
    void setModified(bool modified);
    void restore(const State& state);

    DesignDocument& document_;
    QUndoStack stack_;
    State current_; // the design as of the last step
    int gesture_ = 0;
    bool inGesture_ = false;
    bool restoring_ = false;
    bool modified_ = false;
};

} // namespace kirabellum
