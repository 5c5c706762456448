#include "core/session/DesignHistory.h"

#include <QUndoCommand>

namespace kirabellum {

// One change of the design: its name and the states before and after it.
class DesignHistory::Step : public QUndoCommand {
public:
    Step(DesignHistory& history, EditName name, State before, State after, int gesture)
        : history_(history), name_(name), before_(std::move(before)), after_(std::move(after)),
          gesture_(gesture) {}

    const EditName& name() const { return name_; }

    int id() const override { return 1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        if (gesture_ == 0 || next->gesture_ != gesture_)
            return false;
        after_ = next->after_;
        // A gesture that ended where it began leaves no step.
        setObsolete(after_->sameDesignAs(*before_));
        return true;
    }

    void undo() override { history_.restore(before_); }

    void redo() override {
        // Pushing a step finds the document already changed.
        if (pushed_)
            history_.restore(after_);
        pushed_ = true;
    }

private:
    DesignHistory& history_;
    EditName name_;
    State before_;
    State after_;
    int gesture_;
    bool pushed_ = false;
};

DesignHistory::DesignHistory(DesignDocument& document)
    : document_(document), current_(std::make_shared<const DesignDocument>(document)) {
    stack_.setUndoLimit(StepLimit);
    // The design is unsaved whenever the history stands elsewhere than where
    // it was opened or saved; undoing back there makes it saved again.
    connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { setModified(!clean); });
}

DesignHistory::~DesignHistory() {
    // The stack clears itself as it goes, which is no change of the design.
    disconnect(&stack_, nullptr, this, nullptr);
}

void DesignHistory::record(const EditName& name) {
    if (restoring_ || document_.sameDesignAs(*current_))
        return;
    State after = std::make_shared<const DesignDocument>(document_);
    State before = std::exchange(current_, after);
    stack_.push(
        new Step(*this, name, std::move(before), std::move(after), inGesture_ ? gesture_ : 0));
    Q_EMIT changed();
}

EditName DesignHistory::undoName() const {
    return nameOfStep(stack_.index() - 1);
}

EditName DesignHistory::redoName() const {
    return nameOfStep(stack_.index());
}

EditName DesignHistory::nameOfStep(int index) const {
    if (index < 0 || index >= stack_.count())
        return {};
    return static_cast<const Step*>(stack_.command(index))->name();
}

void DesignHistory::beginGesture() {
    ++gesture_;
    inGesture_ = true;
}

void DesignHistory::endGesture() {
    inGesture_ = false;
}

void DesignHistory::undo() {
    if (!stack_.canUndo())
        return;
    stack_.undo();
}

void DesignHistory::redo() {
    if (!stack_.canRedo())
        return;
    stack_.redo();
}

void DesignHistory::restore(const State& state) {
    const std::uint8_t renderCancel = document_.RenderCancel;
    document_ = *state;
    document_.RenderCancel = renderCancel;
    current_ = state;
    restoring_ = true;
    Q_EMIT restored();
    restoring_ = false;
    // Redrawing may have settled a value the windows hold to their steps; the
    // next step starts from what they show.
    if (!document_.sameDesignAs(*current_))
        current_ = std::make_shared<const DesignDocument>(document_);
    Q_EMIT changed();
}

void DesignHistory::startAfresh() {
    stack_.clear();
    current_ = std::make_shared<const DesignDocument>(document_);
    inGesture_ = false;
    setModified(false);
    Q_EMIT changed();
}

void DesignHistory::startAfreshUnsaved() {
    startAfresh();
    forgetSavedState();
}

void DesignHistory::forgetSavedState() {
    stack_.resetClean();
    setModified(true);
}

void DesignHistory::markSaved() {
    stack_.setClean();
    setModified(false);
}

void DesignHistory::setModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified);
}

} // namespace kirabellum
