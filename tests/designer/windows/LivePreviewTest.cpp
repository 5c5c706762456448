// The preview player's live mode: the design rendered again after every
// change, beside the render button's renders, which it leaves as they were.
#include "DesignerFixture.h"

#include "common/palettes/BuiltInPalettes.h"
#include "common/windows/EngineView.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/LiveRender.h"
#include "windows/editors/F_Editer.h"
#include "windows/render/F_Animation.h"
#include "windows/render/F_Preview.h"
#include "windows/render/PaletteControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace kirabellum {
namespace {

class LivePreviewTest : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        DesignDocument design = sampleDesigns().front().design;
        design.FrameSize = 48;
        design.FrameCount = 5;
        session->document = design;
        session->history.startAfresh();
        windows().openClosedWindows();
        preview = windows().windowAs<F_Preview>(ToolKind::Preview);
        ASSERT_NE(preview, nullptr);
    }
    // Lets the live render finish the document as it now is (however long a
    // loaded machine makes it take).
    LiveFrames waitForLiveFrames() {
        const QImage expected = expectedFirstFrame();
        const LiveRender* live = preview->liveRender();
        LiveFrames frames;
        const auto finished = [&] {
            frames = live->newest();
            return frames.complete() && frames.frames.front() == expected;
        };
        QEventLoop loop;
        // Queued to this thread, after the preview has taken the frame.
        QObject::connect(live, &LiveRender::frameReady, &loop, [&] {
            if (finished())
                loop.quit();
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (!finished())
            loop.exec();
        if (finished())
            return frames;
        ADD_FAILURE() << "the live render did not finish: request " << frames.request << ", "
                      << frames.frames.size() << " of " << frames.frameCount << " frames";
        return {};
    }
    // The first frame the document gives from its live seed, rendered apart
    // (locked to livePalette when there is one).
    QImage expectedFirstFrame() {
        RandomSource random;
        RenderRun run(random, EngineKind::Reference, 1);
        DesignDocument design = session->document;
        random.restart(design.Render.Seed.value_or(0));
        design.RenderCancel = 1;
        RenderMode mode = RenderMode::of(design.Render);
        mode.palette = livePalette;
        EXPECT_TRUE(run.PrepareRender(design, mode).ok());
        RenderHooks hooks;
        QImage first;
        hooks.frameDrawn = [&](int frameIndex, const QImage& strip, const QRect& cell) {
            if (frameIndex == 0)
                first = strip.copy(cell);
        };
        run.RunFrames(design, hooks);
        return first;
    }
    static bool sameColours(const QImage& a, const QImage& b) {
        return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
    }
    QImage render() {
        open<F_Animation>(ToolKind::Animation)->Command1->click();
        return session->rendPic.picture();
    }

    F_Preview* preview = nullptr;
    std::optional<common::Palette> livePalette;
};

TEST_F(LivePreviewTest, EveryChangeRendersAgainAndThePictureLoopsTheNewestFrames) {
    preview->LiveCheck->click();
    ASSERT_NE(preview->liveRender(), nullptr);
    LiveFrames frames = waitForLiveFrames();
    ASSERT_EQ(frames.frameCount, 5);
    // The picture steps through the five frames and from the last to the first.
    for (int step = 0; step < 6; ++step) {
        const int shown = preview->windowTitle().section(QLatin1Char('/'), 0, 0).toInt() - 1;
        preview->showNextLiveFrame();
        const int next = (shown + 1) % 5;
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("%1/5").arg(next + 1));
        EXPECT_TRUE(sameColours(preview->Picture1->image(), frames.frames[next]));
    }

    // Two quick edits: the newer one's frames win, whatever the older did.
    auto* editor = open<F_Editer>(ToolKind::Editer);
    press(editor->Picture1, QPointF(30, 40), Qt::LeftButton);
    press(editor->Picture1, QPointF(60, 20), Qt::LeftButton);
    EXPECT_EQ(session->document.layer(1).LayerX, 60);
    frames = waitForLiveFrames();
    EXPECT_EQ(frames.frames[0], expectedFirstFrame());

    // Undo is a change like any other.
    session->history.undo();
    EXPECT_EQ(session->document.layer(1).LayerX, 30);
    waitForLiveFrames();

    preview->LiveCheck->click();
    EXPECT_EQ(preview->liveRender(), nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Preview"));
    const QImage& picture = preview->Picture1->image();
    QImage cleared(picture.size(), picture.format());
    cleared.fill(preview->Picture1->backgroundColour());
    EXPECT_EQ(picture, cleared) << "the picture at rest";
}

TEST_F(LivePreviewTest, TheRenderButtonGivesWhatItGivesWithoutLiveMode) {
    const std::uint64_t start = session->random.state();
    const QImage first = render();
    const QImage second = render();
    const std::uint64_t after = session->random.state();

    session->random.restart(start);
    preview->LiveCheck->click();
    waitForLiveFrames();
    EXPECT_EQ(render(), first);
    open<F_Editer>(ToolKind::Editer)->HScroll2->setValue(session->document.layer(1).LayerCount + 4);
    open<F_Editer>(ToolKind::Editer)->HScroll2->setValue(session->document.layer(1).LayerCount - 4);
    waitForLiveFrames();
    EXPECT_EQ(render(), second);
    EXPECT_EQ(session->random.state(), after);
    EXPECT_EQ(session->rendPic.picture(), second) << "the strip is the render button's";
}

TEST_F(LivePreviewTest, ARenderAndAPlaybackHoldThePictureUntilTheNextChange) {
    preview->LiveCheck->click();
    waitForLiveFrames();
    auto* animation = open<F_Animation>(ToolKind::Animation);
    animation->HScroll1[0]->setValue(512);
    animation->Check2->setChecked(true);
    waitForLiveFrames();
    const QImage strip = render();
    const QRect lastCell = session->rendPic.layout().grid().cellRect(4);
    // At the live timer's next tick the live frame the title counts is on the picture.
    const auto showsLiveFrame = [&](const LiveFrames& frames) {
        preview->showNextLiveFrame();
        const int shown = preview->windowTitle().section(QLatin1Char('/'), 0, 0).toInt();
        return shown >= 1 && sameColours(preview->Picture1->image(),
                                         frames.frames[static_cast<std::size_t>(shown - 1)]);
    };
    const auto holds = [&](const QImage& frame, const char* after) {
        preview->showNextLiveFrame(); // a tick of the live timer
        EXPECT_TRUE(sameColours(preview->Picture1->image(), frame)) << after;
        // The title counts no frame; it may give the zoom.
        EXPECT_TRUE(preview->windowTitle().startsWith(QStringLiteral("Preview"))) << after;
        EXPECT_FALSE(preview->windowTitle().contains(QLatin1Char('/'))) << after;
    };
    holds(strip.copy(lastCell), "the render's last frame");

    // Two undos are two changes: live frames again.
    session->history.undo();
    session->history.undo();
    EXPECT_TRUE(showsLiveFrame(waitForLiveFrames()));

    animation->Command2->click(); // plays the render's strip once at double size
    holds(strip.copy(lastCell), "the playback's last frame"); // shown at 2x, held as drawn

    // The next change reaches the picture.
    press(open<F_Editer>(ToolKind::Editer)->Picture1, QPointF(30, 40), Qt::LeftButton);
    EXPECT_TRUE(showsLiveFrame(waitForLiveFrames()));
}

TEST_F(LivePreviewTest, ADragOnTheBurstCanvasEditsAsItGoesInOneUndoStep) {
    auto* editor = open<F_Editer>(ToolKind::Editer);
    DesignCanvas* canvas = editor->Picture1;
    const int steps = session->history.stepCount();
    const auto at = [&](QPointF position) {
        return position + QPointF(DesignCanvas::Border, DesignCanvas::Border);
    };
    QMouseEvent down(QEvent::MouseButtonPress, at({20, 20}), canvas->mapToGlobal(at({20, 20})),
                     Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(canvas, &down);
    for (const QPointF point : {QPointF(40, 30), QPointF(70, 50)}) {
        QMouseEvent move(QEvent::MouseMove, at(point), canvas->mapToGlobal(at(point)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(canvas, &move);
        EXPECT_EQ(session->document.layer(1).LayerX, static_cast<int>(point.x()));
    }
    QMouseEvent up(QEvent::MouseButtonRelease, at({70, 50}), canvas->mapToGlobal(at({70, 50})),
                   Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(canvas, &up);
    EXPECT_EQ(session->document.layer(1).LayerY, 50);
    EXPECT_EQ(session->history.stepCount(), steps + 1);
}

TEST_F(LivePreviewTest, DoubleSizeShowsLiveFramesAtTwiceTheirSize) {
    open<F_Animation>(ToolKind::Animation)->Check2->setChecked(true);
    preview->LiveCheck->click();
    waitForLiveFrames();
    preview->showNextLiveFrame();
    EXPECT_EQ(preview->Picture1->size(), QSize(96, 96));
    EXPECT_TRUE(sameColours(preview->Picture1->grab().toImage(),
                            preview->Picture1->image().scaled(96, 96)));
}

TEST_F(LivePreviewTest, LiveFramesAreLockedToThePreviewsPaletteAndEnlargedByItsScale) {
    preview->PixelArt->paletteBox()->setCurrentText(QStringLiteral("game-boy"));
    preview->PixelArt->scaleBox()->setValue(2);
    livePalette = common::builtInPalette(QStringLiteral("game-boy"));
    preview->LiveCheck->click();
    const LiveFrames frames = waitForLiveFrames();
    ASSERT_EQ(frames.frameCount, 5);
    preview->showNextLiveFrame();
    const int shown = preview->windowTitle().section(QLatin1Char('/'), 0, 0).toInt() - 1;
    EXPECT_TRUE(sameColours(preview->Picture1->image(),
                            frames.frames[static_cast<std::size_t>(shown)].scaled(96, 96)));
}

} // namespace
} // namespace kirabellum
