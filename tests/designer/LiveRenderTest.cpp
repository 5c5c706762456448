#include "core/render/LiveRender.h"
#include "core/editing/SampleDesigns.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kirabellum {
namespace {

DesignDocument sampleDesign(int frameCount) {
    DesignDocument design = sampleDesigns().front().design;
    design.FrameCount = static_cast<std::int16_t>(frameCount);
    return design;
}

// The strip the render button's run gives for `design` from `seed`.
QImage renderedStrip(DesignDocument design, std::uint64_t seed, StripLayout& layout) {
    RandomSource random(seed);
    RenderRun run(random);
    design.RenderCancel = 1;
    EXPECT_TRUE(run.PrepareRender(design).ok());
    run.RunFrames(design);
    layout = run.layout();
    return run.strip();
}

// What the live render's worker thread says, for a test to wait on. Made
// before the live render, so that it outlives the worker.
class LiveEvents {
public:
    void listenTo(LiveRender& live) {
        QObject::connect(
            &live, &LiveRender::frameReady, &live, [this] { wake([] {}); }, Qt::DirectConnection);
        QObject::connect(
            &live, &LiveRender::renderFailed, &live,
            [this](quint64 request, const QString& message) {
                wake([&] {
                    failedRequest = request;
                    failure = message;
                });
            },
            Qt::DirectConnection);
    }

    // Waits (20 seconds at most) until `done` holds; true when it does.
    template <class Done> bool waitUntil(Done done) {
        std::unique_lock<std::mutex> lock(mutex_);
        return woken_.wait_for(lock, std::chrono::seconds(20), done);
    }

    // The last request that failed, and its message; read them after a wait.
    std::uint64_t failedRequest = 0;
    QString failure;

private:
    template <class Note> void wake(Note note) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            note();
        }
        woken_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable woken_;
};

// Waits until request `number` has drawn every frame.
LiveFrames completedFrames(const LiveRender& live, LiveEvents& events, std::uint64_t number) {
    LiveFrames frames;
    events.waitUntil([&] {
        frames = live.newest();
        return frames.request == number && frames.complete();
    });
    return frames;
}

void expectFramesOfStrip(const LiveFrames& frames, const DesignDocument& design,
                         std::uint64_t seed) {
    StripLayout layout;
    const QImage strip = renderedStrip(design, seed, layout);
    ASSERT_EQ(frames.frameCount, layout.FrameCount);
    ASSERT_TRUE(frames.complete());
    for (int frame = 0; frame < frames.frameCount; ++frame)
        EXPECT_EQ(
            frames.frames[static_cast<std::size_t>(frame)],
            strip.copy(QRect(layout.cellOrigin(frame), QSize(layout.FrameSize, layout.FrameSize))))
            << frame;
}

// A live render on two workers, with its signals heard.
class LiveRenderTest : public ::testing::Test {
protected:
    LiveRenderTest() { events.listenTo(live); }

    common::WorkerPool workers{2};
    LiveEvents events;
    LiveRender live{workers};
};

TEST_F(LiveRenderTest, FramesAreThoseOfARenderFromTheSameSeed) {
    const DesignDocument design = sampleDesign(5);
    const std::uint64_t number = live.request(design, 77);
    const LiveFrames first = completedFrames(live, events, number);
    expectFramesOfStrip(first, design, 77);
    // The same design and seed again: the same frames.
    const std::uint64_t again = live.request(design, 77);
    EXPECT_EQ(completedFrames(live, events, again).frames, first.frames);
}

TEST_F(LiveRenderTest, TheNewestOfQuickChangesWins) {
    DesignDocument design = sampleDesign(12);
    std::uint64_t last = 0;
    for (int change = 0; change < 20; ++change) {
        design.Layers[0].LayerCount = static_cast<std::int16_t>(40 + 8 * change);
        last = live.request(design, 3);
    }
    const LiveFrames frames = completedFrames(live, events, last);
    EXPECT_EQ(frames.request, last);
    expectFramesOfStrip(frames, design, 3);
}

// The render button's run and a live render on the same workers at once.
TEST_F(LiveRenderTest, ARunSharingTheWorkersChangesNoFrame) {
    const DesignDocument design = sampleDesign(24);
    const std::uint64_t number = live.request(design, 77);
    DesignDocument other = sampleDesigns().back().design;
    other.RenderCancel = 1;
    RandomSource random(5);
    RenderRun run(random, workers);
    ASSERT_TRUE(run.PrepareRender(other).ok());
    run.RunFrames(other);
    StripLayout layout;
    EXPECT_EQ(run.strip(), renderedStrip(other, 5, layout));
    expectFramesOfStrip(completedFrames(live, events, number), design, 77);
}

TEST_F(LiveRenderTest, AnUnrenderableDesignReportsTheRendersMessage) {
    DesignDocument design = sampleDesign(3);
    design.SparkImage[1].at(0, 0) = common::makeColour(1, 254, 3);
    const std::uint64_t number = live.request(design, 0);
    ASSERT_TRUE(events.waitUntil([this] { return events.failedRequest != 0; }));
    EXPECT_EQ(events.failedRequest, number);
    EXPECT_EQ(events.failure, sparkColourMessage(2));
    // The worker goes on to the next request.
    const std::uint64_t next = live.request(sampleDesign(2), 0);
    EXPECT_TRUE(completedFrames(live, events, next).complete());
}

} // namespace
} // namespace kirabellum
