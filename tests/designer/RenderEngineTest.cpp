#include "core/render/RenderEngine.h"
#include "core/render/ParticleSpawn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kirabellum {
namespace {

// A design on a 160-pixel frame (Scale 1) with a ramp of `rampLength` distinct
// colours starting with black, and layer 1's spark image all transparent.
DesignDocument plainDesign(int rampLength = 16) {
    DesignDocument design;
    NewDesign(design);
    design.RampLength = static_cast<std::int16_t>(rampLength);
    for (int index = 0; index < rampLength; ++index)
        design.ColorRamp[static_cast<std::size_t>(index)] =
            common::makeColour(index, index, 100 + index);
    design.ColorRamp[0] = 0;
    return design;
}

// Layer `layer` used, its particles standing still at (x, y) for as long as they
// shine, with one spark pixel of ramp index `value` at the spark's centre.
void standingLayer(DesignDocument& design, int layer, int count, int x, int y, int value) {
    LayerSettings& settings = design.layer(layer);
    settings.LayerUse = 1;
    settings.LayerCount = static_cast<std::int16_t>(count);
    settings.LayerRadius = 0;
    settings.LayerShape.fill(0);
    settings.LayerMinSpeed = 0;
    settings.LayerLife = 0;
    settings.LayerX = static_cast<std::int16_t>(x);
    settings.LayerY = static_cast<std::int16_t>(y);
    design.SparkImage[static_cast<std::size_t>(layer - 1)].at(16, 16) =
        design.ColorRamp[static_cast<std::size_t>(value)];
}

float canvasAt(const RenderEngine& engine, int frameSize, int x, int y) {
    return engine.canvas()[static_cast<std::size_t>(y * frameSize + x)];
}

class RenderEngineTest : public ::testing::Test {
protected:
    RandomSource random{0};
    RenderEngine engine{random};
};

TEST(RandomSourceTest, IsSplitMix64FromTheSeed) {
    RandomSource random(0);
    EXPECT_EQ(random.Rnd(), static_cast<double>(0xE220A8397B1DCDAFull >> 11) * 0x1.0p-53);
    RandomSource seeded(1234567);
    RandomSource again(1234567);
    for (int draw = 0; draw < 100; ++draw) {
        const double value = seeded.Rnd();
        EXPECT_EQ(value, again.Rnd());
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
    }
}

TEST(RandomSourceTest, SkippingDrawsLandsWhereDrawingThemDoes) {
    for (const std::uint64_t draws : {0ull, 1ull, 4ull, 1000ull}) {
        RandomSource drawn(987654321);
        RandomSource skipped(987654321);
        for (std::uint64_t draw = 0; draw < draws; ++draw)
            drawn.Rnd();
        skipped.skip(draws);
        EXPECT_EQ(skipped.state(), drawn.state()) << draws;
    }
}

TEST(RandomSourceTest, SpawningAParticleTakesSpawnDrawsDraws) {
    // Slots that are multiples of 3 draw their radius differently.
    for (const int slot : {0, 1, 2, 3}) {
        RandomSource spawning(55);
        RandomSource skipped(55);
        Particle particle;
        spawnParticle(particle, slot, 1, LayerSettings{}, 1.0f, spawning);
        skipped.skip(SpawnDraws);
        EXPECT_EQ(spawning.state(), skipped.state()) << slot;
    }
}

// Layer 1 in multiple-burst mode with the given range and step: the frames before
// which it bursts, among frames 0 to 15.
std::vector<int> burstFrames(RenderEngine& engine, int mode, int from, int to, int step) {
    DesignDocument design = plainDesign();
    standingLayer(design, 1, 1, 80, 80, 15);
    design.layer(1).LayerBurstMode = static_cast<std::uint8_t>(mode);
    design.layer(1).LayerBurstFrom = static_cast<std::int16_t>(from);
    design.layer(1).LayerBurstTo = static_cast<std::int16_t>(to);
    design.layer(1).LayerBurstStep = static_cast<std::int16_t>(step);
    std::vector<int> frames;
    EXPECT_TRUE(engine.PrepareRender(design).ok());
    if (engine.liveParticles() == 1)
        frames.push_back(0);
    for (int frame = 0; frame < 15; ++frame) {
        const int before = engine.liveParticles();
        engine.spawnBurstsAfter(frame);
        if (engine.liveParticles() > before)
            frames.push_back(frame + 1);
    }
    return frames;
}

TEST_F(RenderEngineTest, BurstSchedule) {
    const struct {
        int mode, from, to, step;
        std::vector<int> frames;
    } cases[] = {
        {0, 0, 10, 3, {0}},
        {0, 5, 12, 3, {0}},
        {1, 0, 10, 3, {0, 1, 4, 7, 10}},
        {1, 5, 12, 3, {7, 10}},
        {1, 0, 0, 1, {0}},
        {1, 1, 3, 1, {1, 2, 3}},
        {1, 2, 2, 5, {}},
        {1, 1, 15, 5, {1, 6, 11}},
        // A step of 0 or less (only a file can hold one) counts as 1.
        {1, 3, 5, 0, {3, 4, 5}},
        {1, 3, 5, -4, {3, 4, 5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(burstFrames(engine, c.mode, c.from, c.to, c.step), c.frames)
            << "mode " << c.mode << " from " << c.from << " to " << c.to << " step " << c.step;
}

TEST_F(RenderEngineTest, TransparentSparkDiesOnItsFirstStep) {
    DesignDocument design = plainDesign();
    design.layer(1).LayerUse = 1; // spark image all black = RampPalette(0)
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    EXPECT_EQ(engine.liveParticles(), 512);
    engine.advanceFrame();
    EXPECT_EQ(engine.liveParticles(), 0);
}

TEST_F(RenderEngineTest, FreshDesignDrawsNothingAndFailsNothing) {
    DesignDocument design;
    NewDesign(design);
    design.layer(3).LayerUse = 1;
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    engine.advanceFrame();
    for (float value : engine.canvas())
        ASSERT_EQ(value, 0.0f);
}

TEST_F(RenderEngineTest, BlackSparkPixelInARampWithoutBlackIsTheBrightest) {
    DesignDocument design = plainDesign(8);
    design.ColorRamp[0] = common::makeColour(9, 9, 9);
    standingLayer(design, 1, 1, 80, 80, 3);
    SparkBitmap& spark = design.SparkImage[0];
    spark.pixels.fill(design.ColorRamp[0]); // index 0: transparent
    spark.at(16, 16) = 0;                   // black: the extra entry, index 8
    design.AddRate = 1.0f;
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    engine.advanceFrame();
    EXPECT_EQ(canvasAt(engine, 160, 80, 80), 7.0f); // 8, clamped to length - 1
    EXPECT_EQ(engine.liveParticles(), 1);
}

TEST_F(RenderEngineTest, BlackSparkPixelInAFullRampWithoutBlackIsTransparent) {
    DesignDocument design = plainDesign(256);
    for (int index = 0; index < 256; ++index)
        design.ColorRamp[static_cast<std::size_t>(index)] = common::makeColour(index, 1, 1);
    standingLayer(design, 1, 1, 80, 80, 0);
    design.SparkImage[0].pixels.fill(0); // index 256, stored as 0
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    engine.advanceFrame();
    EXPECT_EQ(engine.liveParticles(), 0);
}

TEST_F(RenderEngineTest, EmptyRampOnlyKnowsBlack) {
    DesignDocument design;
    ApplyDefaults(design); // RampLength 0, as at start-up
    design.layer(1).LayerUse = 1;
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    engine.advanceFrame();
    EXPECT_EQ(engine.liveParticles(), 0);

    design.SparkImage[0].at(5, 5) = common::makeColour(255, 0, 0);
    const common::Status status = engine.PrepareRender(design);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), sparkColourMessage(1));
}

TEST_F(RenderEngineTest, SparkColourMessageNamesTheFirstUsedOffendingLayer) {
    DesignDocument design = plainDesign();
    const common::Colour stranger = common::makeColour(200, 0, 0);
    design.SparkImage[2].at(0, 0) = stranger; // layer 3, unused: ignored
    design.SparkImage[4].at(31, 31) = stranger;
    design.SparkImage[6].at(0, 0) = stranger;
    for (int layer : {1, 2, 5, 7})
        design.layer(layer).LayerUse = 1;
    const common::Status status = engine.PrepareRender(design);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(),
              QStringLiteral("The Fire of layer 5 uses a colour outside the palette"));

    design.layer(5).LayerUse = 0;
    design.layer(7).LayerUse = 0;
    EXPECT_TRUE(engine.PrepareRender(design).ok());
}

TEST_F(RenderEngineTest, OverlappingParticlesAddAndClampAtTheRampEnd) {
    const struct {
        int count;
        int value;
        float addRate;
        float expected;
    } cases[] = {
        {1, 5, 1.0f, 5.0f},  {2, 5, 1.0f, 10.0f}, {2, 5, 0.5f, 5.0f},
        {3, 5, 1.0f, 15.0f}, {4, 5, 1.0f, 15.0f}, {2, 15, 2.0f, 15.0f},
    };
    for (const auto& c : cases) {
        DesignDocument design = plainDesign(16);
        standingLayer(design, 1, c.count, 80, 80, c.value);
        design.AddRate = c.addRate;
        ASSERT_TRUE(engine.PrepareRender(design).ok());
        engine.advanceFrame();
        EXPECT_EQ(canvasAt(engine, 160, 80, 80), c.expected) << c.count << " x " << c.value;
    }
}

TEST_F(RenderEngineTest, AfterimageTenNeverFades) {
    DesignDocument design = plainDesign(16);
    design.AfterimageOn = 1;
    design.Afterimage = 10;
    LayerSettings& layer = design.layer(1);
    layer.LayerUse = 1;
    layer.LayerCount = 64;
    layer.LayerLife = 100;
    for (int y = 12; y < 20; ++y)
        for (int x = 12; x < 20; ++x)
            design.SparkImage[0].at(x, y) = design.ColorRamp[15];
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    std::vector<float> previous(engine.canvas().size(), 0.0f);
    for (int frame = 0; frame < 8; ++frame) {
        engine.advanceFrame();
        for (std::size_t pixel = 0; pixel < previous.size(); ++pixel) {
            ASSERT_GE(engine.canvas()[pixel], previous[pixel]) << "frame " << frame;
            ASSERT_LE(engine.canvas()[pixel], 15.0f);
        }
        previous = engine.canvas();
    }
}

TEST_F(RenderEngineTest, AfterimageDividesTheCanvas) {
    DesignDocument design = plainDesign(16);
    standingLayer(design, 1, 1, 80, 80, 12);
    design.AfterimageOn = 1;
    design.Afterimage = 40;
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    engine.advanceFrame();
    EXPECT_EQ(canvasAt(engine, 160, 80, 80), 12.0f);
    engine.advanceFrame(); // 12 / 4 + (12 - round(1 x Fade)) clamped to 15
    const float fade = engine.pool()[0].Fade;
    const double expected = std::min(15.0, 12.0 / 4.0 + std::max(0.0, std::nearbyint(12.0 - fade)));
    EXPECT_EQ(canvasAt(engine, 160, 80, 80), static_cast<float>(expected));
}

TEST_F(RenderEngineTest, EveryThirdSlotStartsInTheOuterHalfOfTheRadius) {
    DesignDocument design = plainDesign();
    standingLayer(design, 1, 300, 80, 80, 15);
    design.layer(1).LayerRadius = 40;
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    int innerStarts = 0;
    for (int slot = 0; slot < 300; ++slot) {
        const Particle& particle = engine.pool()[static_cast<std::size_t>(slot)];
        const double distance = std::hypot(particle.X - 80.0, particle.Y - 80.0);
        EXPECT_LE(distance, 40.001) << "slot " << slot;
        if (slot % 3 == 0)
            EXPECT_GE(distance, 19.999) << "slot " << slot;
        else if (distance < 20.0)
            ++innerStarts;
    }
    EXPECT_GT(innerStarts, 50);
}

TEST_F(RenderEngineTest, ZeroRadiusStartsAtTheBurstCentreScaled) {
    DesignDocument design = plainDesign();
    design.FrameSize = 320; // Scale 2
    standingLayer(design, 1, 10, 30, 50, 15);
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    EXPECT_EQ(engine.Scale(), 2.0f);
    for (int slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(engine.pool()[static_cast<std::size_t>(slot)].X, 60.0f);
        EXPECT_EQ(engine.pool()[static_cast<std::size_t>(slot)].Y, 100.0f);
    }
}

TEST_F(RenderEngineTest, PoolExhaustionStopsSpawningQuietly) {
    DesignDocument design = plainDesign();
    standingLayer(design, 1, 2048, 80, 80, 15);
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    for (int burst = 1; burst < 126; ++burst) // 125 bursts of 2048 fill the pool
        engine.Add(1);
    EXPECT_EQ(engine.liveParticles(), RenderEngine::PoolSize);
}

TEST_F(RenderEngineTest, FreedSlotsAreReusedLowestFirst) {
    DesignDocument design = plainDesign();
    standingLayer(design, 1, 4, 80, 80, 15);
    design.layer(2).LayerUse = 1; // transparent: its four particles die at once
    design.layer(2).LayerCount = 4;
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    engine.advanceFrame();
    EXPECT_EQ(engine.liveParticles(), 4);
    engine.Add(1);
    for (int slot = 0; slot < 8; ++slot)
        EXPECT_EQ(engine.pool()[static_cast<std::size_t>(slot)].Layer, 1.0f) << slot;
}

TEST_F(RenderEngineTest, BrightParticleOutsideTheFrameLivesOn) {
    DesignDocument design = plainDesign();
    standingLayer(design, 1, 1, -200, 80, 15);
    design.layer(1).LayerLife = 250; // fades by at least 2.5 per frame
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    engine.advanceFrame();
    EXPECT_EQ(engine.liveParticles(), 1);
    int frames = 1;
    while (engine.liveParticles() == 1 && frames < 20) {
        engine.advanceFrame();
        ++frames;
    }
    EXPECT_EQ(engine.liveParticles(), 0);
    EXPECT_LE(frames, 8);
}

TEST_F(RenderEngineTest, DrawWritesOnlyPixelsOfAtLeastOne) {
    DesignDocument design = plainDesign();
    standingLayer(design, 1, 1, 80, 80, 9);
    ASSERT_TRUE(engine.PrepareRender(design).ok());
    engine.advanceFrame();
    QImage target(200, 200, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    engine.drawFrame(target, QPoint(20, 30));
    EXPECT_EQ(target.pixel(100, 110), common::colourToRgb(design.ColorRamp[9]));
    EXPECT_EQ(target.pixel(101, 110), qRgb(1, 2, 3));
    EXPECT_EQ(target.pixel(19, 29), qRgb(1, 2, 3));
}

// Values no editor produces must render without fault (the sanitizer run checks
// that nothing undefined happens on the way).
TEST_F(RenderEngineTest, ValuesOnlyAFileCanHoldRenderSafely) {
    const struct {
        const char* what;
        void (*change)(DesignDocument&);
    } cases[] = {
        {"negative count", [](DesignDocument& d) { d.layer(1).LayerCount = -5; }},
        {"zero count", [](DesignDocument& d) { d.layer(1).LayerCount = 0; }},
        {"NaN add rate", [](DesignDocument& d) { d.AddRate = NAN; }},
        {"infinite add rate", [](DesignDocument& d) { d.AddRate = INFINITY; }},
        {"negative add rate", [](DesignDocument& d) { d.AddRate = -3.0f; }},
        {"afterimage 0", [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = 0; }},
        {"afterimage -7", [](DesignDocument& d) { d.AfterimageOn = 1, d.Afterimage = -7; }},
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
    };
    for (const auto& c : cases) {
        DesignDocument design = plainDesign();
        LayerSettings& layer = design.layer(1);
        layer.LayerUse = 1;
        layer.LayerCount = 100;
        for (int y = 10; y < 22; ++y)
            for (int x = 10; x < 22; ++x)
                design.SparkImage[0].at(x, y) = design.ColorRamp[12];
        c.change(design);
        ASSERT_TRUE(engine.PrepareRender(design).ok()) << c.what;
        QImage target(160, 160, QImage::Format_RGB32);
        for (int frame = 0; frame < 6; ++frame) {
            engine.advanceFrame();
            engine.drawFrame(target, QPoint(0, 0));
            engine.spawnBurstsAfter(frame);
        }
        for (float value : engine.canvas()) {
            ASSERT_GE(value, 0.0f) << c.what;
            ASSERT_LE(value, 15.0f) << c.what;
        }
    }
}

} // namespace
} // namespace kirabellum
