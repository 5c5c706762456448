#include "core/session/DesignHistory.h"

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

struct History {
    History() {
        ApplyDefaults(document);
        history.startAfresh();
    }

    void setCount(int count) {
        history.edit({}, [count](DesignDocument& design) {
            design.layer(1).LayerCount = static_cast<std::int16_t>(count);
        });
    }
    int count() const { return document.layer(1).LayerCount; }

    DesignDocument document;
    DesignHistory history{document};
};

TEST(DesignHistory, AnEditThatChangesTheDesignIsOneStepUndoneAndRedone) {
    History h;
    const int start = h.count();
    int changed = 0;
    QObject::connect(&h.history, &DesignHistory::changed, [&changed] { ++changed; });
    h.setCount(start + 1);
    h.setCount(start + 1); // the same design: no step
    h.history.edit({}, [](DesignDocument& design) { design.RenderCancel = 1; }); // run state only
    EXPECT_EQ(h.history.stepCount(), 1);
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(h.history.isModified());

    h.history.undo();
    EXPECT_EQ(h.count(), start);
    EXPECT_EQ(h.document.RenderCancel, 1); // undo leaves the run state alone
    h.history.redo();
    EXPECT_EQ(h.count(), start + 1);
}

TEST(DesignHistory, EditsWithinAGestureAreOneStepAndNoneWhenItEndsWhereItBegan) {
    History h;
    const int start = h.count();
    h.history.beginGesture();
    for (int step = 1; step <= 5; ++step)
        h.setCount(start + step);
    h.history.endGesture();
    EXPECT_EQ(h.history.stepCount(), 1);

    h.history.beginGesture();
    h.setCount(start);
    h.setCount(start + 5);
    h.history.endGesture();
    EXPECT_EQ(h.history.stepCount(), 1);
    EXPECT_FALSE(h.history.canRedo());

    h.history.undo();
    EXPECT_EQ(h.count(), start);
    EXPECT_FALSE(h.history.canUndo());
}

// A window redrawing itself after an undo may write what it shows; that is no
// step of its own.
TEST(DesignHistory, EditsWhileRestoringAreMadeButNotRecorded) {
    History h;
    const int start = h.count();
    h.setCount(start + 1);
    QObject::connect(&h.history, &DesignHistory::restored, [&h] {
        h.history.edit({}, [](DesignDocument& design) { design.FrameCount = 3; });
    });
    h.history.undo();
    EXPECT_EQ(h.count(), start);
    EXPECT_EQ(h.document.FrameCount, 3);
    EXPECT_TRUE(h.history.canRedo());
    EXPECT_EQ(h.history.stepCount(), 1);
}

TEST(DesignHistory, SavingAndFreshStartsClearTheUnsavedMark) {
    History h;
    int modified = 0;
    QObject::connect(&h.history, &DesignHistory::modifiedChanged, [&modified] { ++modified; });
    h.setCount(h.count() + 1);
    h.history.markSaved();
    EXPECT_FALSE(h.history.isModified());
    EXPECT_TRUE(h.history.canUndo()); // saving keeps the history
    h.history.startAfreshUnsaved();
    EXPECT_TRUE(h.history.isModified());
    EXPECT_FALSE(h.history.canUndo());
    h.history.startAfresh();
    EXPECT_FALSE(h.history.isModified());
    EXPECT_EQ(modified, 4);
}

TEST(DesignHistory, UndoingBackToTheSavedDesignClearsTheUnsavedMark) {
    const struct {
        const char* moves; // e: an edit, s: Save, u: undo, r: redo
        bool modified;
    } cases[] = {
        {"eu", false},   {"eur", true},   {"esu", true},    {"esur", false},
        {"eseuu", true}, {"esuer", true}, {"eeseu", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.moves);
        History h;
        int count = h.count();
        for (const char* move = c.moves; *move; ++move) {
            switch (*move) {
            case 'e':
                h.setCount(++count);
                break;
            case 's':
                h.history.markSaved();
                break;
            case 'u':
                h.history.undo();
                break;
            default:
                h.history.redo();
            }
        }
        EXPECT_EQ(h.history.isModified(), c.modified);
    }
    // A recovered design stays unsaved however far it is undone.
    History recovered;
    recovered.history.startAfreshUnsaved();
    recovered.setCount(recovered.count() + 1);
    recovered.history.undo();
    EXPECT_TRUE(recovered.history.isModified());
}

TEST(DesignHistory, KeepsAtMostItsStepLimit) {
    History h;
    for (int step = 1; step <= DesignHistory::StepLimit + 50; ++step)
        h.setCount(step % 2 == 0 ? 10 : 20);
    EXPECT_EQ(h.history.stepCount(), DesignHistory::StepLimit);
}

} // namespace
} // namespace kirabellum
