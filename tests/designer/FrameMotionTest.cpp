// The motion vectors a render records for its kept frames.
#include "common/sheets/MotionVectorSheet.h"
#include "core/render/RenderRun.h"

#include "RenderDesigns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace kirabellum {
namespace {

// One particle of a small disc spark flying out from the middle, slowing down.
DesignDocument flyingParticleDesign(int minimumSpeed) {
    DesignDocument design = emptyDesign(64, 12);
    discSpark(design, 1, 3.5);
    LayerSettings& layer = design.layer(1);
    layer.LayerUse = 1;
    layer.LayerCount = 1;
    layer.LayerRadius = 0;
    layer.LayerShape.fill(static_cast<std::int16_t>(minimumSpeed > 0 ? 16 : 0));
    layer.LayerMinSpeed = static_cast<std::uint8_t>(minimumSpeed);
    layer.LayerLife = 0;
    layer.LayerDecel = 95;
    layer.LayerX = 32;
    layer.LayerY = 32;
    design.RenderCancel = 1;
    return design;
}

struct Sighting {
    float x = 0.0f;
    float y = 0.0f;
    int age = 0;
};

struct RecordedRun {
    std::vector<common::MotionVectorFrame> motion;
    // The one live particle at each frame's start, if exactly one is live.
    std::vector<std::optional<Sighting>> particles;
};

RecordedRun recordRun(const DesignDocument& design, RenderMode mode) {
    RandomSource random;
    RenderRun run(random);
    mode.recordMotion = true;
    EXPECT_TRUE(run.PrepareRender(design, mode).ok());
    RecordedRun recorded;
    RenderHooks hooks;
    hooks.frameStarted = [&](int) {
        std::optional<Sighting> only;
        int live = 0;
        for (const Particle& particle : run.engine().pool())
            if (particle.Layer != 0.0f && ++live == 1)
                only = Sighting{particle.X, particle.Y, particle.Age};
        recorded.particles.push_back(live == 1 ? only : std::nullopt);
    };
    run.RunFrames(design, hooks);
    recorded.motion = run.motionVectors();
    return recorded;
}

// Every pixel of kept frame `kept` moves by (dx, dy) or not at all, and some move.
void expectOnlyMotion(const common::MotionVectorFrame& frame, double dx, double dy, int kept) {
    int moving = 0;
    for (std::size_t pixel = 0; pixel < frame.dx.size(); ++pixel) {
        if (frame.dx[pixel] == 0.0f && frame.dy[pixel] == 0.0f)
            continue;
        ++moving;
        EXPECT_NEAR(frame.dx[pixel], dx, 1e-4) << "kept frame " << kept << " pixel " << pixel;
        EXPECT_NEAR(frame.dy[pixel], dy, 1e-4) << "kept frame " << kept << " pixel " << pixel;
    }
    EXPECT_GT(moving, 0) << "kept frame " << kept;
}

// Checks every kept frame whose particle is still the same one a frame step later.
int expectParticleMotion(const RecordedRun& run, int frameStep) {
    int checked = 0;
    for (std::size_t kept = 0; kept < run.motion.size(); ++kept) {
        const std::size_t now = kept * static_cast<std::size_t>(frameStep);
        const std::size_t later = now + static_cast<std::size_t>(frameStep);
        if (later >= run.particles.size() || !run.particles[now] || !run.particles[later] ||
            run.particles[later]->age != run.particles[now]->age + frameStep)
            continue;
        expectOnlyMotion(run.motion[kept], run.particles[later]->x - run.particles[now]->x,
                         run.particles[later]->y - run.particles[now]->y, static_cast<int>(kept));
        ++checked;
    }
    return checked;
}

TEST(FrameMotion, AParticleAloneCarriesItsOwnMotionToTheNextKeptFrame) {
    for (const int frameStep : {1, 2, 3}) {
        DesignDocument design = flyingParticleDesign(3);
        design.FrameCount = 12;
        RenderMode mode;
        mode.seed = 5;
        mode.frameStep = frameStep;
        const RecordedRun run = recordRun(design, mode);
        ASSERT_EQ(run.motion.size(), static_cast<std::size_t>((12 + frameStep - 1) / frameStep));
        EXPECT_GT(expectParticleMotion(run, frameStep), 1) << "frame step " << frameStep;
    }
}

TEST(FrameMotion, AStillParticleGivesExactlyNoMotion) {
    DesignDocument design = flyingParticleDesign(0);
    RenderMode mode;
    mode.seed = 2;
    mode.frameStep = 2;
    const RecordedRun run = recordRun(design, mode);
    ASSERT_FALSE(run.motion.empty());
    for (const common::MotionVectorFrame& frame : run.motion)
        for (std::size_t pixel = 0; pixel < frame.dx.size(); ++pixel)
            ASSERT_TRUE(frame.dx[pixel] == 0.0f && frame.dy[pixel] == 0.0f) << pixel;
    const common::SheetGrid grid(static_cast<int>(run.motion.size()), 64, 2, 1, false);
    const common::MotionVectorSheet sheet = common::makeMotionVectorSheet(
        {run.motion}, common::SheetAtlas::onGrid(grid), common::MotionVectorPreset::Unity);
    EXPECT_EQ(sheet.scale, 1.0);
    for (int y = 0; y < sheet.image.height(); ++y)
        for (int x = 0; x < sheet.image.width(); ++x)
            ASSERT_EQ(sheet.image.pixel(x, y), qRgba(128, 128, 0, 255)) << x << ", " << y;
}

// Off the stamps: the pixels a spark passes over on its way carry its motion,
// less of it where the afterimage it left stands, and pixels it never reaches
// none.
TEST(FrameMotion, PixelsTheSparkSweepsAcrossCarryItsMotionAndTheAfterimageStandsStill) {
    for (const bool afterimage : {false, true}) {
        DesignDocument design = flyingParticleDesign(11);
        // It flies left, fast and then slower.
        design.layer(1).LayerX = 56;
        design.layer(1).LayerY = 24;
        design.AfterimageOn = afterimage ? 1 : 0;
        design.Afterimage = 20;
        RenderMode mode;
        mode.seed = 5;
        mode.frameStep = 2;
        const RecordedRun run = recordRun(design, mode);
        ASSERT_TRUE(run.particles[2] && run.particles[4]);
        const Sighting now = *run.particles[2];
        const double dx = run.particles[4]->x - now.x;
        const double dy = run.particles[4]->y - now.y;
        // Far enough to leave the stamp's own pixels (a disc of radius 3.5) behind.
        ASSERT_GT(std::hypot(dx, dy), 6.0);
        const common::MotionVectorFrame& frame = run.motion[1];
        const auto at = [&](double x, double y) {
            return static_cast<std::size_t>(std::lround(y)) * 64u +
                   static_cast<std::size_t>(std::lround(x));
        };
        const std::size_t ahead = at(now.x + dx, now.y + dy);
        EXPECT_NEAR(frame.dx[ahead], dx, 1e-4);
        EXPECT_NEAR(frame.dy[ahead], dy, 1e-4);
        const std::size_t behind = at(now.x - dx, now.y - dy);
        const double along = (frame.dx[behind] * dx + frame.dy[behind] * dy) / (dx * dx + dy * dy);
        if (afterimage) {
            EXPECT_GT(along, 0.0);
            EXPECT_LT(along, 1.0);
        } else {
            EXPECT_NEAR(along, 1.0, 1e-4);
        }
        const std::size_t aside = at(now.x - dy, now.y + dx);
        EXPECT_EQ(frame.dx[aside], 0.0f);
        EXPECT_EQ(frame.dy[aside], 0.0f);
    }
}

TEST(FrameMotion, TheLastKeptFrameOfALoopLeadsIntoTheNextPeriod) {
    // A burst late in each period whose particle lives into the next one.
    DesignDocument design = flyingParticleDesign(2);
    design.FrameCount = 8;
    design.layer(1).LayerLife = 100;
    RenderMode mode = RenderMode::of(design.Render);
    mode.loop = true;
    mode.seed = 9;
    mode.frameStep = 2;
    mode.cycles = 2;
    const RecordedRun twoPeriods = recordRun(design, mode);
    // The seam inside the recording is checked against where the particle went.
    EXPECT_GT(expectParticleMotion(twoPeriods, 2), 0);
    mode.cycles = 1;
    const RecordedRun onePeriod = recordRun(design, mode);
    ASSERT_EQ(onePeriod.motion.size(), 4u);
    // The last kept frame of a period leads into the next period's first frame
    // as the recorded seam does.
    EXPECT_EQ(onePeriod.motion.back().dx, twoPeriods.motion[3].dx);
    EXPECT_EQ(onePeriod.motion.back().dy, twoPeriods.motion[3].dy);
    EXPECT_EQ(twoPeriods.motion[3].dx, twoPeriods.motion[7].dx);
}

TEST(FrameMotion, BothEnginesRecordTheSameVectors) {
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        DesignDocument design = randomEffectsDesign(seed);
        design.RenderCancel = 1;
        RenderMode mode;
        mode.seed = seed;
        mode.frameStep = 2;
        mode.recordMotion = true;
        RandomSource referenceRandom;
        RenderRun reference(referenceRandom, EngineKind::Reference);
        if (!reference.PrepareRender(design, mode).ok())
            continue;
        reference.RunFrames(design);
        for (const int threads : {1, 3}) {
            RandomSource fastRandom;
            RenderRun fast(fastRandom, EngineKind::Fast, threads);
            ASSERT_TRUE(fast.PrepareRender(design, mode).ok());
            fast.RunFrames(design);
            ASSERT_EQ(fast.motionVectors().size(), reference.motionVectors().size());
            for (std::size_t kept = 0; kept < fast.motionVectors().size(); ++kept) {
                EXPECT_EQ(fast.motionVectors()[kept].dx, reference.motionVectors()[kept].dx)
                    << "seed " << seed << " threads " << threads << " kept frame " << kept;
                EXPECT_EQ(fast.motionVectors()[kept].dy, reference.motionVectors()[kept].dy);
            }
        }
    }
}

} // namespace
} // namespace kirabellum
