#include "core/render/RenderRun.h"
#include "core/editing/SampleDesigns.h"

#include <gtest/gtest.h>

#include <vector>

namespace kirabellum {
namespace {

DesignDocument chrysanthemumDesign() {
    return sampleDesigns().front().design;
}

bool cellIsBackground(const QImage& strip, QRect cell, QRgb background) {
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (strip.pixel(x, y) != background)
                return false;
    return true;
}

TEST(RenderRunTest, RunsEveryFrameIntoItsCellWithHooksInOrder) {
    DesignDocument design = chrysanthemumDesign();
    design.FrameCount = 6;
    design.RenderCancel = 1;
    RandomSource random(5);
    RenderRun run(random);
    ASSERT_TRUE(run.PrepareRender(design).ok());
    EXPECT_EQ(run.strip().size(), QSize(512, 256));

    std::vector<std::string> calls;
    RenderHooks hooks;
    hooks.frameStarted = [&](int frame) { calls.push_back("start " + std::to_string(frame)); };
    hooks.frameDrawn = [&](int frame, const QImage& strip, const QRect& cell) {
        calls.push_back("drawn " + std::to_string(frame) + " at " + std::to_string(cell.x()) + "," +
                        std::to_string(cell.y()));
        EXPECT_FALSE(cellIsBackground(strip, cell, strip.pixel(0, 0)));
    };
    hooks.betweenFrames = [&] { calls.push_back("yield"); };
    EXPECT_EQ(run.RunFrames(design, hooks), 6);

    const std::vector<std::string> expected = {
        "start 0", "drawn 0 at 0,0",   "yield", "start 1", "drawn 1 at 128,0",   "yield",
        "start 2", "drawn 2 at 256,0", "yield", "start 3", "drawn 3 at 384,0",   "yield",
        "start 4", "drawn 4 at 0,128", "yield", "start 5", "drawn 5 at 128,128",
    };
    EXPECT_EQ(calls, expected);
    // Cells after the last frame keep the background, the ramp's first colour.
    EXPECT_TRUE(cellIsBackground(run.strip(), QRect(256, 128, 256, 128),
                                 common::colourToRgb(design.ColorRamp[0])));
}

TEST(RenderRunTest, CancelIsSeenAfterTheFrameThatFollowsIt) {
    DesignDocument design = chrysanthemumDesign();
    design.RenderCancel = 1;
    RandomSource random(0);
    RenderRun run(random);
    ASSERT_TRUE(run.PrepareRender(design).ok());
    RenderHooks hooks;
    // The cancel button is pressed while the run yields after frame 0.
    hooks.betweenFrames = [&] { design.RenderCancel = 0; };
    EXPECT_EQ(run.RunFrames(design, hooks), 2);
    const QRgb background = common::colourToRgb(design.ColorRamp[0]);
    EXPECT_FALSE(cellIsBackground(run.strip(), QRect(0, 0, 128, 128), background));
    EXPECT_FALSE(cellIsBackground(run.strip(), QRect(128, 0, 128, 128), background));
    for (int frame = 2; frame < 16; ++frame)
        EXPECT_TRUE(cellIsBackground(
            run.strip(), QRect(run.layout().cellOrigin(frame), QSize(128, 128)), background))
            << frame;
}

TEST(RenderRunTest, RunWithoutTheFlagDrawsOneFrame) {
    DesignDocument design = chrysanthemumDesign();
    design.RenderCancel = 0;
    RandomSource random(0);
    RenderRun run(random);
    ASSERT_TRUE(run.PrepareRender(design).ok());
    EXPECT_EQ(run.RunFrames(design), 1);
}

TEST(RenderRunTest, SameSeedSameStripAndASecondRenderContinuesTheSequence) {
    DesignDocument design = chrysanthemumDesign();
    design.FrameCount = 4;
    design.RenderCancel = 1;
    auto render = [&](RandomSource& random) {
        RenderRun run(random);
        EXPECT_TRUE(run.PrepareRender(design).ok());
        run.RunFrames(design);
        return run.strip();
    };
    RandomSource first(42);
    RandomSource second(42);
    const QImage one = render(first);
    EXPECT_EQ(render(second), one);
    const QImage continued = render(first);
    EXPECT_NE(continued, one);
    RandomSource other(43);
    EXPECT_NE(render(other), one);
}

TEST(RenderRunTest, FailedPreparationLeavesAClearedStripOfTheNewLayout) {
    DesignDocument design = chrysanthemumDesign();
    design.FrameCount = 3;
    design.SparkImage[1].at(0, 0) = common::makeColour(1, 254, 3);
    RandomSource random(0);
    RenderRun run(random);
    const common::Status status = run.PrepareRender(design);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), sparkColourMessage(2));
    EXPECT_EQ(run.strip().size(), QSize(384, 128));
    EXPECT_TRUE(cellIsBackground(run.strip(), run.strip().rect(),
                                 common::colourToRgb(design.ColorRamp[0])));
    design.RenderCancel = 1;
    EXPECT_EQ(run.RunFrames(design), 0);
}

TEST(RenderRunTest, RefusedSettingsChangeNothing) {
    DesignDocument design = chrysanthemumDesign();
    RandomSource random(0);
    RenderRun run(random);
    ASSERT_TRUE(run.PrepareRender(design).ok());
    const QImage before = run.strip();
    for (auto change : {+[](DesignDocument& d) { d.FrameCount = 0; },
                        +[](DesignDocument& d) { d.FrameSize = 600; },
                        +[](DesignDocument& d) { d.RampLength = -1; }}) {
        DesignDocument odd = design;
        change(odd);
        EXPECT_FALSE(run.PrepareRender(odd).ok());
        EXPECT_EQ(run.strip(), before);
    }
}

} // namespace
} // namespace kirabellum
