// Loop renders: the strip is one period of an endless animation.
#include "core/editing/SampleDesigns.h"
#include "core/render/RenderRun.h"

#include "RenderDesigns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace kirabellum {
namespace {

// A random design that settles quickly: short periods and lives.
DesignDocument loopDesign(std::uint32_t seed) {
    DesignDocument design = randomRenderDesign(seed);
    std::mt19937 random(seed);
    design.FrameCount = static_cast<std::int16_t>(std::uniform_int_distribution<int>(1, 8)(random));
    design.FrameSize = static_cast<std::int16_t>(std::min<int>(design.FrameSize, 32));
    for (LayerSettings& layer : design.Layers) {
        layer.LayerCount = static_cast<std::int16_t>(std::min<int>(layer.LayerCount, 6));
        layer.LayerLife = static_cast<std::uint8_t>(std::max<int>(layer.LayerLife, 150));
    }
    design.RenderCancel = 1;
    return design;
}

struct LoopRender {
    QImage strip;
    StripLayout layout;
    bool settled = false;
};

LoopRender renderLoop(const DesignDocument& design, std::uint64_t seed, EngineKind kind, int cycles,
                      int settlingFrameLimit = RenderMode().settlingFrameLimit) {
    RandomSource random(seed);
    RenderRun run(random, kind, 2);
    RenderMode mode;
    mode.loop = true;
    mode.cycles = cycles;
    mode.settlingFrameLimit = settlingFrameLimit;
    EXPECT_TRUE(run.PrepareRender(design, mode).ok());
    EXPECT_EQ(run.RunFrames(design), design.FrameCount * cycles);
    return {run.strip(), run.layout(), run.settled()};
}

QImage frameOf(const LoopRender& render, int frame) {
    const StripLayout& layout = render.layout;
    return render.strip.copy(
        QRect(layout.cellOrigin(frame), QSize(layout.FrameSize, layout.FrameSize)));
}

// Two periods recorded one after the other are equal frame for frame, so the
// frame after the last is the first.
TEST(LoopRenderTest, APeriodRepeatsBitForBit) {
    int settled = 0;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("design " + std::to_string(seed));
        const DesignDocument design = loopDesign(seed);
        const LoopRender fast = renderLoop(design, seed * 31u, EngineKind::Fast, 2);
        if (!fast.settled)
            continue;
        ++settled;
        for (int frame = 0; frame < design.FrameCount; ++frame)
            ASSERT_EQ(frameOf(fast, frame), frameOf(fast, frame + design.FrameCount)) << frame;
    }
    EXPECT_GE(settled, 6);
}

// The reference engine settles the same way and records the same strip; the
// designs of the shortest periods keep it quick.
TEST(LoopRenderTest, BothEnginesRecordTheSameLoop) {
    for (const std::uint32_t seed : {1u, 5u, 7u}) {
        SCOPED_TRACE("design " + std::to_string(seed));
        const DesignDocument design = loopDesign(seed);
        const LoopRender fast = renderLoop(design, seed * 31u, EngineKind::Fast, 2);
        const LoopRender reference = renderLoop(design, seed * 31u, EngineKind::Reference, 2);
        EXPECT_TRUE(fast.settled);
        EXPECT_TRUE(reference.settled);
        EXPECT_EQ(reference.strip, fast.strip);
    }
}

// Child bursts belong to the state that repeats: a period with children of
// children, split parents, trails and a layer's own ramp settles, its last frame
// flows into its first, and both engines record it alike. The grandchildren of
// one frame are enough for both workers to share their spawning.
TEST(LoopRenderTest, ChildBurstsRepeatWithThePeriod) {
    DesignDocument design = emptyDesign(32, 64);
    design.FrameCount = 6;
    design.RenderCancel = 1;
    for (int layer = 1; layer <= 3; ++layer) {
        LayerSettings& settings = design.layer(layer);
        settings.LayerUse = 1;
        settings.LayerCount = 4;
        settings.LayerX = 80;
        settings.LayerY = 80;
        settings.LayerRadius = 10;
        settings.LayerLife = 180;
        settings.LayerShape.fill(20);
        discSpark(design, layer, 7.0);
    }
    design.layer(2).Trigger = LayerTrigger{1, TriggerMoment::Age, 2, true, 40};
    design.layer(2).Trail = LayerTrail{3, 60};
    design.layer(3).Trigger = LayerTrigger{2, TriggerMoment::Death, 1, false, 100};
    design.layer(3).LayerCount = 80;
    design.layer(3).Ramp.assign(design.ColorRamp.begin(), design.ColorRamp.begin() + 64);
    std::reverse(design.layer(3).Ramp.begin() + 1, design.layer(3).Ramp.end());
    const LoopRender fast = renderLoop(design, 17, EngineKind::Fast, 2);
    ASSERT_TRUE(fast.settled);
    for (int frame = 0; frame < design.FrameCount; ++frame)
        ASSERT_EQ(frameOf(fast, frame), frameOf(fast, frame + design.FrameCount)) << frame;
    EXPECT_EQ(renderLoop(design, 17, EngineKind::Reference, 2).strip, fast.strip);
}

TEST(LoopRenderTest, SampleDesignsLoop) {
    for (const SampleDesign& sample : sampleDesigns()) {
        SCOPED_TRACE(sample.fileName.toStdString());
        DesignDocument design = sample.design;
        design.FrameSize = 48;
        design.RenderCancel = 1;
        const LoopRender render = renderLoop(design, 5, EngineKind::Fast, 2);
        EXPECT_TRUE(render.settled);
        for (int frame = 0; frame < design.FrameCount; ++frame)
            ASSERT_EQ(frameOf(render, frame), frameOf(render, frame + design.FrameCount)) << frame;
    }
}

// Every period bursts the same particles, whatever the generator did before:
// the seed alone decides the strip, and a normal render's draws do not leak in.
TEST(LoopRenderTest, TheSeedAloneDecidesTheStrip) {
    const DesignDocument design = loopDesign(3);
    RandomSource random(99);
    RenderRun run(random);
    RenderMode mode;
    mode.loop = true;
    ASSERT_TRUE(run.PrepareRender(design, mode).ok());
    EXPECT_EQ(run.startSeed(), 99u);
    run.RunFrames(design);
    const QImage first = run.strip();
    random.restart(99);
    ASSERT_TRUE(run.PrepareRender(design, mode).ok());
    run.RunFrames(design);
    EXPECT_EQ(run.strip(), first);
    EXPECT_EQ(renderLoop(design, 99, EngineKind::Fast, 1).strip, first);
    EXPECT_NE(renderLoop(design, 100, EngineKind::Fast, 1).strip, first);
}

// A design that cannot settle within the limit is recorded anyway, and says so.
TEST(LoopRenderTest, ADesignThatDoesNotSettleIsRecordedAnyway) {
    DesignDocument design = emptyDesign(32, 64);
    design.FrameCount = 4;
    LayerSettings& layer = design.layer(1);
    layer.LayerUse = 1;
    layer.LayerCount = 5;
    layer.LayerLife = 0;
    layer.LayerX = 80;
    layer.LayerY = 80;
    layer.LayerShape.fill(2);
    discSpark(design, 1, 6.0);
    design.RenderCancel = 1;
    const LoopRender render = renderLoop(design, 1, EngineKind::Fast, 1, 8);
    EXPECT_FALSE(render.settled);
    EXPECT_EQ(render.strip.size(), QSize(128, 32));
}

TEST(LoopRenderTest, CyclesAndLimitsAreChecked) {
    DesignDocument design = emptyDesign(512, 16);
    design.FrameCount = 128;
    design.WidthLimit = 1600; // three frames to a row
    RandomSource random(0);
    RenderRun run(random);
    RenderMode mode;
    mode.loop = true;
    mode.cycles = 0;
    EXPECT_FALSE(run.PrepareRender(design, mode).ok());
    mode.cycles = 2; // 256 frames: 86 rows of 512 pixels
    const common::Status tooTall = run.PrepareRender(design, mode);
    ASSERT_FALSE(tooTall.ok());
    EXPECT_TRUE(tooTall.message().contains(QStringLiteral("32767")))
        << tooTall.message().toStdString();
    mode.cycles = 1;
    EXPECT_TRUE(run.PrepareRender(design, mode).ok());
}

} // namespace
} // namespace kirabellum
