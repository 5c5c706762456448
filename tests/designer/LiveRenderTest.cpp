#include "core/render/LiveRender.h"
#include "core/editing/SampleDesigns.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

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

// Waits (a few seconds at most) until request `number` has drawn every frame.
LiveFrames completedFrames(const LiveRender& live, std::uint64_t number) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        LiveFrames frames = live.newest();
        if ((frames.request == number && frames.complete()) ||
            std::chrono::steady_clock::now() > giveUp)
            return frames;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
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

TEST(LiveRenderTest, FramesAreThoseOfARenderFromTheSameSeed) {
    common::WorkerPool workers(2);
    LiveRender live(workers);
    const DesignDocument design = sampleDesign(5);
    const std::uint64_t number = live.request(design, 77);
    expectFramesOfStrip(completedFrames(live, number), design, 77);
    // The same design and seed again: the same frames.
    const std::uint64_t again = live.request(design, 77);
    EXPECT_EQ(completedFrames(live, again).frames, completedFrames(live, number).frames);
}

TEST(LiveRenderTest, TheNewestOfQuickChangesWins) {
    common::WorkerPool workers(2);
    LiveRender live(workers);
    DesignDocument design = sampleDesign(12);
    std::uint64_t last = 0;
    for (int change = 0; change < 20; ++change) {
        design.Layers[0].LayerCount = static_cast<std::int16_t>(40 + 8 * change);
        last = live.request(design, 3);
    }
    const LiveFrames frames = completedFrames(live, last);
    EXPECT_EQ(frames.request, last);
    expectFramesOfStrip(frames, design, 3);
}

// The render button's run and a live render on the same workers at once.
TEST(LiveRenderTest, ARunSharingTheWorkersChangesNoFrame) {
    common::WorkerPool workers(2);
    LiveRender live(workers);
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
    expectFramesOfStrip(completedFrames(live, number), design, 77);
}

TEST(LiveRenderTest, AnUnrenderableDesignReportsTheRendersMessage) {
    common::WorkerPool workers(2);
    LiveRender live(workers);
    DesignDocument design = sampleDesign(3);
    design.SparkImage[1].at(0, 0) = common::makeColour(1, 254, 3);
    std::uint64_t failedRequest = 0;
    QString message;
    std::mutex seen;
    QObject::connect(
        &live, &LiveRender::renderFailed, &live,
        [&](quint64 request, const QString& text) {
            const std::lock_guard<std::mutex> lock(seen);
            failedRequest = request;
            message = text;
        },
        Qt::DirectConnection);
    const std::uint64_t number = live.request(design, 0);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        {
            const std::lock_guard<std::mutex> lock(seen);
            if (failedRequest != 0 || std::chrono::steady_clock::now() > giveUp)
                break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    {
        const std::lock_guard<std::mutex> lock(seen);
        EXPECT_EQ(failedRequest, number);
        EXPECT_EQ(message, sparkColourMessage(2));
    }
    // The worker goes on to the next request.
    const std::uint64_t next = live.request(sampleDesign(2), 0);
    EXPECT_TRUE(completedFrames(live, next).complete());
}

} // namespace
} // namespace kirabellum
