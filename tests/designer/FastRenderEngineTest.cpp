// The fast engine must give exactly what the straightforward engine gives: the
// same canvas floats, the same pool and the same frame pixels after every frame,
// for every design, seed and number of threads.
#include "core/render/FastRenderEngine.h"
#include "core/document/FloatBits.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/RenderEngine.h"
#include "core/render/RenderRun.h"

#include "RenderDesigns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kirabellum {
namespace {

// The slots up to the highest live one: after every spawning, they cover every
// slot a render has used so far.
int slotsInUse(const ParticleEngine& engine) {
    const std::vector<Particle>& pool = engine.pool();
    int slots = static_cast<int>(pool.size());
    while (slots > 0 && pool[static_cast<std::size_t>(slots - 1)].Layer == 0.0f)
        --slots;
    return slots;
}

// What an engine holds after a frame and its bursts.
struct FrameState {
    std::vector<float> canvas;
    QImage pixels;
    std::vector<Particle> pool; // the slots a render can use
    int live = 0;
    std::uint64_t stamped = 0;
};

// The first slot where the pools differ, or -1.
int firstDifferentSlot(const std::vector<Particle>& a, const std::vector<Particle>& b) {
    if (a.size() != b.size())
        return 0;
    for (std::size_t slot = 0; slot < a.size(); ++slot)
        if (!sameParticle(a[slot], b[slot]))
            return static_cast<int>(slot);
    return -1;
}

// The first canvas pixel whose float differs bit for bit, or -1.
int firstDifferentCanvasPixel(const std::vector<float>& a, const std::vector<float>& b) {
    if (a.size() != b.size())
        return 0;
    for (std::size_t pixel = 0; pixel < a.size(); ++pixel)
        if (!sameBits(a[pixel], b[pixel]))
            return static_cast<int>(pixel);
    return -1;
}

// Prepares the engine and renders `frames` frames, keeping the state after
// each. False when the preparation fails; `status` says why.
bool renderFrames(ParticleEngine& engine, const DesignDocument& design, int frames,
                  common::Status& status, std::vector<FrameState>& states) {
    status = engine.PrepareRender(design);
    if (!status.ok())
        return false;
    int slots = slotsInUse(engine);
    for (int frame = 0; frame < frames; ++frame) {
        FrameState state;
        state.pixels = QImage(design.FrameSize, design.FrameSize, QImage::Format_RGB32);
        state.pixels.fill(qRgb(1, 2, 3));
        // Every third frame spawns its bursts as it draws, as a render run does.
        const bool spawnsWithFrame = frame % 3 == 2;
        if (spawnsWithFrame) {
            engine.advanceDrawAndSpawn(state.pixels, QPoint(0, 0), frame);
        } else {
            engine.advanceFrame();
            engine.drawFrame(state.pixels, QPoint(0, 0));
        }
        // Every other canvas is not asked for, so that frames also follow
        // frames whose canvas the engine kept as it stamped it.
        if (frame % 2 == 1 || frame + 1 == frames)
            state.canvas = engine.canvas();
        if (!spawnsWithFrame)
            engine.spawnBurstsAfter(frame);
        slots = std::max(slots, slotsInUse(engine));
        state.pool.assign(engine.pool().begin(), engine.pool().begin() + slots);
        state.live = engine.liveParticles();
        state.stamped = engine.stampedSparkPixels();
        states.push_back(std::move(state));
    }
    return true;
}

// Renders `frames` frames of the design with the reference engine and with the
// fast engine on each of `threadCounts` threads, all from the same seed, and
// checks that after every frame canvas, frame pixels and pool agree.
void expectSameRender(const DesignDocument& design, int frames,
                      std::initializer_list<int> threadCounts, std::uint64_t seed,
                      const std::string& what) {
    SCOPED_TRACE(what + ", seed " + std::to_string(seed));
    RandomSource referenceRandom(seed);
    auto reference = std::make_unique<RenderEngine>(referenceRandom);
    common::Status referenceStatus = common::Status::success();
    std::vector<FrameState> expected;
    const bool prepared = renderFrames(*reference, design, frames, referenceStatus, expected);
    for (int threads : threadCounts) {
        SCOPED_TRACE(std::to_string(threads) + " threads");
        RandomSource fastRandom(seed);
        auto fast = std::make_unique<FastRenderEngine>(fastRandom, threads);
        ASSERT_EQ(fast->threadCount(), threads);
        common::Status fastStatus = common::Status::success();
        std::vector<FrameState> actual;
        ASSERT_EQ(renderFrames(*fast, design, frames, fastStatus, actual), prepared);
        ASSERT_EQ(fastStatus.message(), referenceStatus.message());
        for (std::size_t frame = 0; frame < actual.size(); ++frame) {
            SCOPED_TRACE("frame " + std::to_string(frame));
            ASSERT_EQ(firstDifferentCanvasPixel(actual[frame].canvas, expected[frame].canvas), -1);
            ASSERT_EQ(actual[frame].pixels, expected[frame].pixels);
            ASSERT_EQ(actual[frame].live, expected[frame].live);
            ASSERT_EQ(firstDifferentSlot(actual[frame].pool, expected[frame].pool), -1);
            ASSERT_EQ(actual[frame].stamped, expected[frame].stamped);
        }
    }
}

TEST(FastRenderEngineTest, RandomDesignsGiveTheReferenceFrames) {
    for (std::uint32_t seed = 1; seed <= 48; ++seed) {
        const DesignDocument design = randomRenderDesign(seed);
        const int threadChoices[] = {1, 2, 3, 7};
        expectSameRender(design, 6, {threadChoices[seed % 4]}, seed * 7919u,
                         "random design " + std::to_string(seed));
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(FastRenderEngineTest, RandomDesignsWithEffectsGiveTheReferenceFrames) {
    for (std::uint32_t seed = 1; seed <= 48; ++seed) {
        const DesignDocument design = randomEffectsDesign(seed);
        const int threadChoices[] = {1, 2, 3, 7};
        expectSameRender(design, 8, {threadChoices[seed % 4]}, seed * 7919u,
                         "random design with effects " + std::to_string(seed));
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(FastRenderEngineTest, SampleDesignsGiveTheReferenceFrames) {
    for (const SampleDesign& sample : sampleDesigns()) {
        DesignDocument design = sample.design;
        design.FrameSize = 48;
        expectSameRender(design, 5, {1, 2, 3, 7}, 3, sample.fileName.toStdString());
    }
}

// Particles standing still at (LayerX, LayerY) × FrameSize / 160.
DesignDocument standingDesign(int frameSize, int x, int y) {
    DesignDocument design = emptyDesign(frameSize, 64);
    LayerSettings& layer = design.layer(1);
    layer.LayerUse = 1;
    layer.LayerCount = 3;
    layer.LayerRadius = 0;
    layer.LayerShape.fill(0);
    layer.LayerMinSpeed = 0;
    layer.LayerLife = 40;
    layer.LayerX = static_cast<std::int16_t>(x);
    layer.LayerY = static_cast<std::int16_t>(y);
    design.AddRate = 0.75f;
    discSpark(design, 1, 9.0);
    return design;
}

TEST(FastRenderEngineTest, HalfwayPositionsRoundTwoSparkPixelsOntoOnePixel) {
    // FrameSize 24 gives Scale 0.15: LayerX 10 puts particles at 1.5, 30 at 4.5,
    // -10 at -1.5, halfway between two pixels in one direction or both.
    const struct {
        int x, y;
        float expectedX, expectedY;
    } cases[] = {
        {10, 10, 1.5f, 1.5f},     {30, 40, 4.5f, 6.0f},    {40, 110, 6.0f, 16.5f},
        {-10, 130, -1.5f, 19.5f}, {150, 70, 22.5f, 10.5f},
    };
    for (const auto& c : cases) {
        const DesignDocument design = standingDesign(24, c.x, c.y);
        RandomSource random(1);
        FastRenderEngine engine(random, 1);
        ASSERT_TRUE(engine.PrepareRender(design).ok());
        EXPECT_EQ(engine.pool()[0].X, c.expectedX);
        EXPECT_EQ(engine.pool()[0].Y, c.expectedY);
        expectSameRender(design, 4, {1, 2, 3, 7}, 1,
                         "at " + std::to_string(c.x) + "," + std::to_string(c.y));
        // Standing still, a particle's trail stamps land where it is.
        DesignDocument trailed = design;
        trailed.layer(1).Trail = LayerTrail{3, 70};
        expectSameRender(trailed, 4, {1, 3}, 1,
                         "trailed at " + std::to_string(c.x) + "," + std::to_string(c.y));
    }
}

TEST(FastRenderEngineTest, HalfwayPositionsAddBothSparkPixelsInOrder) {
    // At x = 1.5 spark columns 16 and 17 both land on canvas column 2 (round
    // half to even of 1.5 and 2.5 gives 2 both times), column 18 on 4, and
    // canvas column 3 takes nothing.
    DesignDocument design = standingDesign(24, 10, 40); // (1.5, 6.0)
    design.SparkImage[0].pixels.fill(0);
    design.SparkImage[0].at(16, 16) = design.ColorRamp[10];
    design.SparkImage[0].at(17, 16) = design.ColorRamp[20];
    design.SparkImage[0].at(18, 16) = design.ColorRamp[5];
    design.AddRate = 1.0f;
    design.layer(1).LayerCount = 1;
    for (int threads : {1, 3}) {
        RandomSource random(1);
        FastRenderEngine engine(random, threads);
        ASSERT_TRUE(engine.PrepareRender(design).ok());
        engine.advanceFrame();
        EXPECT_EQ(engine.canvas()[6 * 24 + 2], 30.0f);
        EXPECT_EQ(engine.canvas()[6 * 24 + 3], 0.0f);
        EXPECT_EQ(engine.canvas()[6 * 24 + 4], 5.0f);
    }
}

TEST(FastRenderEngineTest, AgeTimesFadeHalfwayRoundsEachIntensityToEven) {
    // Seed 4347736 gives the first particle of a standing layer without life a
    // fade of exactly 0.75: at age 2 every intensity v - 1.5 lies halfway and
    // rounds to the even neighbour, one ramp index down, the next two.
    DesignDocument design = standingDesign(32, 80, 80);
    design.layer(1).LayerCount = 1;
    design.layer(1).LayerLife = 0;
    RandomSource random(4347736);
    FastRenderEngine engine(random, 1);
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    ASSERT_EQ(engine.pool()[0].Fade, 0.75f);
    expectSameRender(design, 4, {1, 3}, 4347736, "fade 0.75");
}

TEST(FastRenderEngineTest, SettingsAtTheEdgesGiveTheReferenceFrames) {
    const struct {
        const char* what;
        void (*change)(DesignDocument&);
    } cases[] = {
        {"sums clamped at the ramp's end",
         [](DesignDocument& d) {
             d.RampLength = 8;
             discSpark(d, 1, 12.0);
             d.layer(1).LayerCount = 200;
             d.AddRate = 7.3f;
         }},
        {"AddRate 0.37", [](DesignDocument& d) { d.AddRate = 0.37f; }},
        {"AddRate 0", [](DesignDocument& d) { d.AddRate = 0.0f; }},
        {"afterimage off", [](DesignDocument& d) { d.AfterimageOn = 0; }},
        {"afterimage 10 keeps everything",
         [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = 10; }},
        {"afterimage 15", [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = 15; }},
        {"afterimage 100", [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = 100; }},
        {"all forces",
         [](DesignDocument& d) {
             d.Gravity[0] = {1, 90.0f, 1.5f};
             d.Gravity[1] = {1, 0.0f, 2.0f};
             d.Gravity[2] = {1, 1.0f, 3.0f};
         }},
        {"rotation reversed and attraction",
         [](DesignDocument& d) {
             d.Gravity[1] = {1, 1.0f, 4.0f};
             d.Gravity[2] = {1, 0.0f, 5.0f};
         }},
        {"repeated bursts on every frame",
         [](DesignDocument& d) {
             for (int layer : {1, 2}) {
                 d.layer(layer).LayerBurstMode = 1;
                 d.layer(layer).LayerBurstFrom = 0;
                 d.layer(layer).LayerBurstTo = 20;
                 d.layer(layer).LayerBurstStep = static_cast<std::int16_t>(layer);
             }
         }},
        {"every particle transparent", [](DesignDocument& d) { d.SparkImage[0].pixels.fill(0); }},
        {"no layer used",
         [](DesignDocument& d) { d.layer(1).LayerUse = 0, d.layer(2).LayerUse = 0; }},
        {"short lives",
         [](DesignDocument& d) { d.layer(1).LayerLife = 255, d.layer(2).LayerLife = 255; }},
        {"standing, fading by the random part alone",
         [](DesignDocument& d) {
             d.layer(1).LayerShape.fill(0);
             d.layer(1).LayerMinSpeed = 0;
             d.layer(1).LayerLife = 0;
         }},
        {"afterimage outliving every particle",
         [](DesignDocument& d) {
             d.Afterimage = 11;
             for (int layer : {1, 2}) {
                 d.layer(layer).LayerLife = 255;
                 for (common::Colour& pixel :
                      d.SparkImage[static_cast<std::size_t>(layer - 1)].pixels)
                     pixel = pixel == 0 ? 0 : d.ColorRamp[3];
             }
         }},
        {"negative fade", [](DesignDocument& d) { d.layer(1).LayerShape.fill(-3000); }},
        {"far outside the frame",
         [](DesignDocument& d) { d.layer(1).LayerX = -400, d.layer(2).LayerY = 900; }},
        {"trails",
         [](DesignDocument& d) {
             d.layer(1).Trail = {4, 60}, d.layer(2).Trail = {8, 100};
         }},
        {"trails from outside the frame",
         [](DesignDocument& d) {
             d.layer(1).LayerX = -60, d.layer(1).LayerShape.fill(400);
             d.layer(1).Trail = {8, 90};
         }},
        {"children on death",
         [](DesignDocument& d) {
             d.layer(1).LayerLife = 255;
             d.layer(2).Trigger = LayerTrigger{1, TriggerMoment::Death, 1, false, 100};
         }},
        {"children at an age, split, with trails",
         [](DesignDocument& d) {
             d.layer(2).Trigger = LayerTrigger{1, TriggerMoment::Age, 2, true, 30};
             d.layer(2).LayerCount = 3;
             d.layer(2).Trail = {2, 50};
         }},
    };
    for (const auto& c : cases) {
        DesignDocument design = emptyDesign(40, 48);
        design.AfterimageOn = 1;
        design.Afterimage = 20;
        design.AddRate = 1.0f;
        for (int layer : {1, 2}) {
            LayerSettings& settings = design.layer(layer);
            settings.LayerUse = 1;
            settings.LayerCount = 60;
            settings.LayerX = static_cast<std::int16_t>(60 + 20 * layer);
            settings.LayerY = 80;
            settings.LayerRadius = 20;
            settings.LayerMinSpeed = 1;
            settings.LayerLife = 80;
            settings.LayerDecel = 92;
            settings.LayerShape.fill(16);
            discSpark(design, layer, 5.0 + 4 * layer);
        }
        c.change(design);
        expectSameRender(design, 6, {1, 2, 3, 7}, 11, c.what);
    }
}

// Values no editor produces (the reference engine's own test has the same list).
TEST(FastRenderEngineTest, ValuesOnlyAFileCanHoldGiveTheReferenceFrames) {
    const struct {
        const char* what;
        void (*change)(DesignDocument&);
    } cases[] = {
        {"negative count", [](DesignDocument& d) { d.layer(1).LayerCount = -5; }},
        {"zero count", [](DesignDocument& d) { d.layer(1).LayerCount = 0; }},
        {"NaN add rate", [](DesignDocument& d) { d.AddRate = NAN; }},
        {"infinite add rate", [](DesignDocument& d) { d.AddRate = INFINITY; }},
        {"negative add rate", [](DesignDocument& d) { d.AddRate = -3.0f; }},
        {"negative zero add rate", [](DesignDocument& d) { d.AddRate = -0.0f; }},
        {"afterimage 0", [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = 0; }},
        {"afterimage 5", [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = 5; }},
        {"afterimage -7", [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = -7; }},
        {"afterimage -7, negative add rate",
         [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = -7, d.AddRate = -0.5f; }},
        {"NaN gravity",
         [](DesignDocument& d) {
             for (GravityForce& force : d.Gravity)
                 force = {1, NAN, NAN};
         }},
        {"infinite gravity",
         [](DesignDocument& d) {
             for (GravityForce& force : d.Gravity)
                 force = {1, 3.0f, INFINITY};
         }},
        {"huge shape", [](DesignDocument& d) { d.layer(1).LayerShape.fill(32767); }},
        {"negative radius", [](DesignDocument& d) { d.layer(1).LayerRadius = -32768; }},
        {"far centre", [](DesignDocument& d) { d.layer(1).LayerX = 32767; }},
        {"zero decel", [](DesignDocument& d) { d.layer(1).LayerDecel = 0; }},
        {"step 0",
         [](DesignDocument& d) {
             d.layer(1).LayerBurstMode = 1;
             d.layer(1).LayerBurstTo = 5;
             d.layer(1).LayerBurstStep = 0;
         }},
        {"empty ramp",
         [](DesignDocument& d) {
             d.RampLength = 0;
             d.SparkImage[0].pixels.fill(0);
         }},
        {"black without a black entry",
         [](DesignDocument& d) {
             d.ColorRamp[0] = common::makeColour(9, 9, 9);
             d.SparkImage[0].at(16, 16) = 0;
         }},
        {"trail, NaN add rate",
         [](DesignDocument& d) {
             d.AddRate = NAN, d.layer(1).Trail = {3, 80};
         }},
        {"trail, negative add rate",
         [](DesignDocument& d) {
             d.AddRate = -3.0f, d.layer(1).Trail = {3, 80};
         }},
        {"trail, afterimage -7",
         [](DesignDocument& d) {
             d.AfterimageOn = 1, d.Afterimage = -7;
             d.layer(1).Trail = {5, 100};
         }},
    };
    for (const auto& c : cases) {
        DesignDocument design = emptyDesign(32, 16);
        LayerSettings& layer = design.layer(1);
        layer.LayerUse = 1;
        layer.LayerCount = 100;
        for (int y = 10; y < 22; ++y)
            for (int x = 10; x < 22; ++x)
                design.SparkImage[0].at(x, y) = design.ColorRamp[12];
        c.change(design);
        expectSameRender(design, 6, {1, 3}, 5, c.what);
    }
}

TEST(FastRenderEngineTest, ExhaustedPoolSpawnsIntoTheFreedSlotsLikeTheReference) {
    // Eight layers of 32767 need more than the 256000 slots; the transparent
    // layers die in their first frame and leave holes that later bursts fill.
    DesignDocument design = emptyDesign(24, 16);
    for (int number = 1; number <= LayerTotal; ++number) {
        LayerSettings& layer = design.layer(number);
        layer.LayerUse = 1;
        layer.LayerCount = 32767;
        layer.LayerRadius = 80;
        layer.LayerX = 80;
        layer.LayerY = 80;
        layer.LayerLife = 100;
        layer.LayerBurstMode = 1;
        layer.LayerBurstFrom = 0;
        layer.LayerBurstTo = 10;
        layer.LayerBurstStep = 1;
        if (number % 2 == 1)
            design.SparkImage[static_cast<std::size_t>(number - 1)].at(16, 16) =
                design.ColorRamp[15];
    }
    expectSameRender(design, 2, {2}, 9, "exhausted pool");
}

TEST(FastRenderEngineTest, AParentThatDiesInItsFirstFrameBurstsWhereItsMoveTookIt) {
    // Layer 1's spark is all transparent: its particles die in their first
    // stamping, still move, and layer 2 bursts around each at radius 0.
    DesignDocument design = emptyDesign(40, 48);
    LayerSettings& parent = design.layer(1);
    parent.LayerUse = 1;
    parent.LayerCount = 3;
    parent.LayerX = 80;
    parent.LayerY = 80;
    parent.LayerRadius = 20;
    parent.LayerShape.fill(40);
    design.SparkImage[0].pixels.fill(0);
    LayerSettings& child = design.layer(2);
    child.LayerUse = 1;
    child.LayerCount = 4;
    child.LayerRadius = 0;
    child.Trigger = LayerTrigger{1, TriggerMoment::Death, 1, false, 50};
    discSpark(design, 2, 6.0);

    RandomSource random(3);
    RenderEngine reference(random);
    ASSERT_TRUE(reference.PrepareRender(design).ok());
    reference.advanceFrame();
    EXPECT_EQ(reference.liveParticles(), 0);
    const std::vector<Particle> moved(reference.pool().begin(), reference.pool().begin() + 3);
    reference.spawnBurstsAfter(0);
    ASSERT_EQ(reference.liveParticles(), 12);
    for (std::size_t slot = 0; slot < 12; ++slot) {
        EXPECT_EQ(reference.pool()[slot].Layer, 2.0f);
        EXPECT_EQ(reference.pool()[slot].X, moved[slot / 4].X) << slot;
        EXPECT_EQ(reference.pool()[slot].Y, moved[slot / 4].Y) << slot;
    }
    expectSameRender(design, 4, {1, 2, 3, 7}, 3, "parents dying in their first frame");
}

TEST(FastRenderEngineTest, ChildrenStopAtTheFullPoolLikeTheReference) {
    // 2000 parents dying at once fire 100 children of layer 2 and 100 of layer
    // 3 each, more than the pool holds.
    DesignDocument design = emptyDesign(24, 16);
    LayerSettings& parent = design.layer(1);
    parent.LayerUse = 1;
    parent.LayerCount = 2000;
    parent.LayerX = 80;
    parent.LayerY = 80;
    design.SparkImage[0].pixels.fill(0);
    for (int layer : {2, 3}) {
        LayerSettings& child = design.layer(layer);
        child.LayerUse = 1;
        child.LayerCount = 100;
        child.LayerX = 80;
        child.LayerY = 80;
        child.Trigger = LayerTrigger{1, TriggerMoment::Death, 1, false, 0};
        design.SparkImage[static_cast<std::size_t>(layer - 1)].at(16, 16) = design.ColorRamp[9];
    }
    RandomSource random(5);
    RenderEngine reference(random);
    ASSERT_TRUE(reference.PrepareRender(design).ok());
    reference.advanceFrame();
    reference.spawnBurstsAfter(0);
    EXPECT_EQ(reference.liveParticles(), ParticleEngine::PoolSize);
    expectSameRender(design, 2, {1, 3}, 5, "children filling the pool");
}

TEST(FastRenderEngineTest, CancelledRunStopsAtTheSameFrameWithTheSameStrip) {
    DesignDocument design = sampleDesigns().front().design;
    design.FrameSize = 48;
    design.RenderCancel = 1;
    auto render = [&design](EngineKind kind, int threads) {
        DesignDocument live = design;
        RandomSource random(21);
        RenderRun run(random, kind, threads);
        EXPECT_TRUE(run.PrepareRender(live).ok());
        RenderHooks hooks;
        int yields = 0;
        hooks.betweenFrames = [&] {
            if (++yields == 3)
                live.RenderCancel = 0;
        };
        EXPECT_EQ(run.RunFrames(live, hooks), 4);
        return run.strip();
    };
    const QImage reference = render(EngineKind::Reference, 1);
    for (int threads : {1, 2, 3, 7})
        EXPECT_EQ(render(EngineKind::Fast, threads), reference) << threads << " threads";
}

TEST(FastRenderEngineTest, StripWhoseParticlesDieOutAndBurstAgainIsTheReferences) {
    // Frames without particles fade the rows the bands left in either copy
    // of the canvases, and nothing asks for the canvas in between.
    DesignDocument design = emptyDesign(48, 8);
    design.FrameCount = 14;
    design.RenderCancel = 1;
    design.AfterimageOn = 1;
    design.Afterimage = 15;
    for (int layer : {1, 2}) {
        LayerSettings& settings = design.layer(layer);
        settings.LayerUse = 1;
        settings.LayerCount = 40;
        settings.LayerRadius = 30;
        settings.LayerLife = 255;
        settings.LayerShape.fill(20);
        settings.LayerBurstMode = 1;
        settings.LayerBurstTo = 9;
        settings.LayerBurstStep = 8;
        discSpark(design, layer, 6.0);
    }
    design.layer(2).Ramp.assign(design.ColorRamp.begin(), design.ColorRamp.begin() + 8);
    auto render = [&design](EngineKind kind, int threads) {
        RandomSource random(4);
        RenderRun run(random, kind, threads);
        EXPECT_TRUE(run.PrepareRender(design).ok());
        EXPECT_EQ(run.RunFrames(design), design.FrameCount);
        return run.strip();
    };
    const QImage reference = render(EngineKind::Reference, 1);
    for (int threads : {2, 3, 7})
        EXPECT_EQ(render(EngineKind::Fast, threads), reference) << threads << " threads";
}

TEST(FastRenderEngineTest, PreparingAgainStartsAFreshRenderThatContinuesTheRandomSequence) {
    DesignDocument design = randomRenderDesign(77);
    design.layer(1).LayerUse = 1;
    RandomSource referenceRandom(4);
    RandomSource fastRandom(4);
    RenderEngine reference(referenceRandom);
    FastRenderEngine fast(fastRandom, 2);
    for (int render = 0; render < 3; ++render) {
        ASSERT_TRUE(reference.PrepareRender(design).ok());
        ASSERT_TRUE(fast.PrepareRender(design).ok());
        for (int frame = 0; frame < 3; ++frame) {
            reference.advanceFrame();
            fast.advanceFrame();
            reference.spawnBurstsAfter(frame);
            fast.spawnBurstsAfter(frame);
        }
        ASSERT_EQ(firstDifferentCanvasPixel(fast.canvas(), reference.canvas()), -1)
            << "render " << render;
        ASSERT_EQ(fast.liveParticles(), reference.liveParticles());
        const auto slots = static_cast<std::ptrdiff_t>(ParticleEngine::PoolSize);
        ASSERT_EQ(firstDifferentSlot({fast.pool().begin(), fast.pool().begin() + slots},
                                     {reference.pool().begin(), reference.pool().begin() + slots}),
                  -1);
    }
}

TEST(FastRenderEngineTest, DrawsALargeFrameIntoAStripSharedWithACopyLikeTheReference) {
    // Large frames are drawn by all workers; the strip is detached from the
    // copy that shares it once, not by each worker.
    DesignDocument design = sampleDesigns().front().design;
    design.FrameSize = 160;
    RandomSource referenceRandom(8);
    RenderEngine reference(referenceRandom);
    ASSERT_TRUE(reference.PrepareRender(design).ok());
    reference.advanceFrame();
    QImage expected(2 * design.FrameSize, design.FrameSize, QImage::Format_RGB32);
    expected.fill(qRgb(1, 2, 3));
    reference.drawFrame(expected, QPoint(design.FrameSize, 0));
    for (int threads : {2, 3}) {
        RandomSource fastRandom(8);
        FastRenderEngine fast(fastRandom, threads);
        ASSERT_TRUE(fast.PrepareRender(design).ok());
        fast.advanceFrame();
        QImage strip(expected.size(), QImage::Format_RGB32);
        strip.fill(qRgb(1, 2, 3));
        const QImage copy = strip;
        fast.drawFrame(strip, QPoint(design.FrameSize, 0));
        EXPECT_EQ(strip, expected) << threads << " threads";
        EXPECT_EQ(copy.pixel(design.FrameSize + 80, 80), qRgb(1, 2, 3)) << threads << " threads";
    }
}

TEST(FastRenderEngineTest, RenderRunUsesTheFastEngineByDefault) {
    RandomSource random(0);
    RenderRun run(random);
    EXPECT_NE(dynamic_cast<const FastRenderEngine*>(&run.engine()), nullptr);
    RenderRun reference(random, EngineKind::Reference);
    EXPECT_NE(dynamic_cast<const RenderEngine*>(&reference.engine()), nullptr);
}

} // namespace
} // namespace kirabellum
