// The fast engine's motion must move every particle to exactly the floats the
// reference motion gives, and its quick trigonometry must keep to the error
// bounds that exactness rests on.
#include "core/render/ParticleMotion.h"
#include "core/document/FloatBits.h"
#include "core/render/FloatRounding.h"
#include "core/render/QuickTrigonometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace kirabellum {
namespace {

// Sizes spread over many powers of two, both signs.
double spreadValue(std::mt19937_64& generator, double smallest, double largest) {
    std::uniform_real_distribution<double> exponent(std::log2(smallest), std::log2(largest));
    const double size = std::exp2(exponent(generator));
    return generator() % 2 == 0 ? size : -size;
}

TEST(QuickTrigonometry, KeepsToItsErrorBounds) {
    std::mt19937_64 generator(7);
    double worstArcTangent = 0.0;
    double worstSineCosine = 0.0;
    for (int sample = 0; sample < 400000; ++sample) {
        const double numerator = spreadValue(generator, 0x1.0p-90, 0x1.0p90);
        const double denominator = spreadValue(generator, 0x1.0p-20, 0x1.0p20);
        double angle = 0.0;
        ASSERT_TRUE(quickArcTangent(numerator, denominator, angle));
        worstArcTangent =
            std::max(worstArcTangent, std::fabs(angle - std::atan(numerator / denominator)));
        const double x = spreadValue(generator, 0x1.0p-30, QuickSineCosineRange);
        double sine = 0.0;
        double cosine = 0.0;
        ASSERT_TRUE(quickSineCosine(x, sine, cosine));
        worstSineCosine = std::max(
            {worstSineCosine, std::fabs(sine - std::sin(x)), std::fabs(cosine - std::cos(x))});
    }
    // The bounds hold with room: the guards take the library's error as well.
    EXPECT_LT(worstArcTangent, QuickArcTangentError / 4);
    EXPECT_LT(worstSineCosine, QuickSineCosineError / 4);

    double unused = 0.0;
    EXPECT_FALSE(quickSineCosine(NAN, unused, unused));
    EXPECT_FALSE(quickSineCosine(2 * QuickSineCosineRange, unused, unused));
    EXPECT_FALSE(quickArcTangent(1.0, 0.0, unused));
    EXPECT_FALSE(quickArcTangent(INFINITY, 1.0, unused));
}

TEST(FloatRounding, TakesOnlyValuesWhoseNeighbourhoodRoundsAlike) {
    const double one = 1.0;
    const double halfStep = std::ldexp(1.0, -24); // half a float step above 1
    const struct {
        double value;
        double bound;
        bool taken;
        float result;
    } cases[] = {
        {one, 1e-12, true, 1.0f},
        {one + halfStep, 1e-12, false, 0.0f},        // the middle between two floats
        {one + halfStep * 0.999, 1e-12, true, 1.0f}, // just below it
        {one + halfStep * 0.999, 1e-9, false, 0.0f}, // but the bound reaches past it
        {one - halfStep / 2, 1e-12, false, 0.0f},    // the middle below 1 is nearer
        {-3.25, 1e-12, true, -3.25f},
        {0.0, 1e-30, false, 0.0f},
        {1e-40, 1e-60, false, 0.0f}, // subnormal
        {1e39, 1.0, false, 0.0f},
        {NAN, 1.0, false, 0.0f},
    };
    for (const auto& c : cases) {
        float result = 0.0f;
        EXPECT_EQ(roundToFloatWithin(c.value, c.bound, result), c.taken) << c.value;
        if (c.taken) {
            EXPECT_EQ(floatBits(result), floatBits(c.result)) << c.value;
        }
    }
}

// Particles all over and far beyond the frame, on the centre's axes and at it,
// under every combination of forces and angles a file can hold.
TEST(ParticleMotion, QuickMovesGiveTheReferenceFloats) {
    std::mt19937_64 generator(11);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    const float specialPositions[] = {128.0f, 0.0f, -0.0f, 1e30f, -1e30f, INFINITY, NAN, 128.5f};
    int moves = 0;
    for (int design = 0; design < 48; ++design) {
        DesignDocument document;
        for (int force = 0; force < GravityTotal; ++force) {
            GravityForce& gravity = document.Gravity[static_cast<std::size_t>(force)];
            gravity.Use = static_cast<std::int16_t>((design >> force) & 1);
            gravity.Angle = design % 8 == 7 ? 1e7f : unit(generator) * 2.0f;
            gravity.Power = unit(generator) * (design % 5 == 4 ? 1e6f : 8.0f);
        }
        ParticleMotion motion;
        motion.prepare(document, 1.0f + static_cast<float>(design % 3), 256);
        std::vector<Particle> reference(2000);
        for (std::size_t index = 0; index < reference.size(); ++index) {
            Particle& particle = reference[index];
            const float spread = index % 3 == 0 ? 1e4f : 300.0f;
            particle.X = 128.0f + unit(generator) * spread;
            particle.Y = 128.0f + unit(generator) * spread;
            if (index % 50 == 0)
                particle.X = specialPositions[(index / 50) % 8];
            if (index % 70 == 0)
                particle.Y = specialPositions[(index / 70) % 8];
            particle.VX = unit(generator) * 6.0f;
            particle.VY = unit(generator) * 6.0f;
            particle.Decel = 0.9f;
            particle.GravitySpeed = unit(generator);
        }
        std::vector<Particle> quick = reference;
        std::vector<int> slots(reference.size());
        for (std::size_t index = 0; index < slots.size(); ++index)
            slots[index] = static_cast<int>(index);
        for (int frame = 0; frame < 12; ++frame) {
            for (Particle& particle : reference)
                motion.move(particle);
            motion.moveQuickly(quick, slots.data(), static_cast<int>(slots.size()));
            for (std::size_t index = 0; index < quick.size(); ++index) {
                ASSERT_EQ(floatBits(quick[index].X), floatBits(reference[index].X))
                    << "design " << design << " frame " << frame << " particle " << index;
                ASSERT_EQ(floatBits(quick[index].Y), floatBits(reference[index].Y))
                    << "design " << design << " frame " << frame << " particle " << index;
                ++moves;
            }
        }
    }
    EXPECT_EQ(moves, 48 * 12 * 2000);
}

} // namespace
} // namespace kirabellum
