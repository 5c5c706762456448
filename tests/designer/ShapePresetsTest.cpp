#include "core/editing/ShapePresets.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kirabellum {
namespace {

std::size_t at(int direction) {
    return static_cast<std::size_t>((direction % DirectionTotal + DirectionTotal) % DirectionTotal);
}

// Mirroring about the vertical takes the middle of direction d (d x 10 + 5
// degrees) to that of direction 17 - d.
bool mirroredLeftToRight(const BurstShape& shape) {
    for (int d = 0; d < DirectionTotal; ++d)
        if (shape[at(d)] != shape[at(17 - d)])
            return false;
    return true;
}

BurstShape filled(std::int16_t value) {
    BurstShape shape;
    shape.fill(value);
    return shape;
}

// Directions `from` to `to` (inclusive) take `value`, the rest 0.
BurstShape span(int from, int to, std::int16_t value) {
    BurstShape shape{};
    for (int d = from; d <= to; ++d)
        shape[at(d)] = value;
    return shape;
}

TEST(ShapePresetsTest, PlainPresetsGiveTheirValues) {
    const struct {
        ShapePreset preset;
        BurstShape expected;
    } cases[] = {
        {ShapePreset::Circle, filled(40)},
        {ShapePreset::Ring, filled(4)},
        {ShapePreset::HalfSphereUp, span(18, 35, 48)}, // 180 to 360 degrees
        {ShapePreset::Fan, span(24, 29, 48)},          // 240 to 300 degrees
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(presetShape(testCase.preset, 0), testCase.expected)
            << static_cast<int>(testCase.preset);
}

TEST(ShapePresetsTest, HeartIsWidestAtItsLobesAndPointsDown) {
    const BurstShape heart = presetShape(ShapePreset::Heart, 0);
    EXPECT_TRUE(mirroredLeftToRight(heart));
    EXPECT_EQ(*std::max_element(heart.begin(), heart.end()), 48);
    EXPECT_GT(heart[at(8)], heart[at(0)]);   // the point below reaches past the sides
    EXPECT_LT(heart[at(26)], heart[at(22)]); // the notch on top lies between the lobes
    EXPECT_GT(*std::min_element(heart.begin(), heart.end()), 0);
}

TEST(ShapePresetsTest, StarHasFivePointsOneStraightUp) {
    const BurstShape star = presetShape(ShapePreset::Star, 0);
    EXPECT_TRUE(mirroredLeftToRight(star));
    EXPECT_EQ(star[at(26)], star[at(27)]); // either side of the top point at 270 degrees
    EXPECT_GT(star[at(26)], star[at(24)]);
    int points = 0;
    for (int d = 0; d < DirectionTotal; ++d)
        if (star[at(d)] > star[at(d - 1)] && star[at(d)] >= star[at(d + 1)])
            ++points;
    // Each point falls between two directions, giving a peak pair; count pairs once.
    EXPECT_EQ(points, 5);
    EXPECT_LT(*std::min_element(star.begin(), star.end()), 48 / 2);
}

TEST(ShapePresetsTest, RandomFollowsItsSeed) {
    const BurstShape first = presetShape(ShapePreset::Random, 7);
    EXPECT_EQ(first, presetShape(ShapePreset::Random, 7));
    EXPECT_NE(first, presetShape(ShapePreset::Random, 8));
    for (std::int16_t value : first) {
        EXPECT_GE(value, 8);
        EXPECT_LE(value, 56);
    }
}

TEST(ShapePresetsTest, ApplyingSetsOneLayerAndTheMinimumSpeedItsShapeNeeds) {
    const struct {
        ShapePreset preset;
        int minimumSpeed, expected;
    } cases[] = {
        {ShapePreset::Ring, 2, 8},         {ShapePreset::Ring, 20, 20}, {ShapePreset::Fan, 20, 0},
        {ShapePreset::HalfSphereUp, 5, 0}, {ShapePreset::Circle, 5, 5}, {ShapePreset::Heart, 5, 5},
    };
    for (const auto& testCase : cases) {
        DesignDocument design;
        NewDesign(design);
        design.layer(3).LayerMinSpeed = static_cast<std::uint8_t>(testCase.minimumSpeed);
        const DesignDocument before = design;
        applyShapePreset(design, 3, testCase.preset, 0);
        EXPECT_EQ(design.layer(3).LayerShape, presetShape(testCase.preset, 0));
        EXPECT_EQ(design.layer(3).LayerMinSpeed, testCase.expected)
            << static_cast<int>(testCase.preset) << " from " << testCase.minimumSpeed;
        EXPECT_EQ(design.layer(2), before.layer(2));
    }
}

TEST(ShapePresetsTest, EveryPresetHasAName) {
    ASSERT_EQ(shapePresets().size(), 7u);
    for (const ShapePresetEntry& entry : shapePresets())
        EXPECT_FALSE(entry.name.isEmpty());
}

} // namespace
} // namespace kirabellum
