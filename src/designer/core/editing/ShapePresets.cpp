#include "core/editing/ShapePresets.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <random>

namespace kirabellum {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int Reach = 48; // the value of a direction that reaches a shape's farthest point

using Outline = std::vector<std::array<double, 2>>;

// The farthest point where the ray from the origin at `degrees` crosses the
// closed outline, or 0 when it crosses none.
double outlineDistance(const Outline& outline, double degrees) {
    const double ux = std::cos(degrees * Pi / 180.0);
    const double uy = std::sin(degrees * Pi / 180.0);
    double farthest = 0.0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const auto& a = outline[i];
        const auto& b = outline[(i + 1) % outline.size()];
        const double ex = b[0] - a[0];
        const double ey = b[1] - a[1];
        const double denominator = ux * ey - uy * ex;
        if (std::abs(denominator) < 1e-12)
            continue;
        const double t = (a[0] * ey - a[1] * ex) / denominator; // along the ray
        const double s = (a[0] * uy - a[1] * ux) / denominator; // along the edge
        if (t > 0.0 && s >= 0.0 && s <= 1.0)
            farthest = std::max(farthest, t);
    }
    return farthest;
}

// Each direction takes the outline's distance through the middle of its 10
// degrees, scaled so that the farthest direction gets Reach.
BurstShape shapeOfOutline(const Outline& outline) {
    std::array<double, DirectionTotal> distances{};
    for (int d = 0; d < DirectionTotal; ++d)
        distances[static_cast<std::size_t>(d)] = outlineDistance(outline, d * 10.0 + 5.0);
    const double farthest = *std::max_element(distances.begin(), distances.end());
    BurstShape shape{};
    for (std::size_t d = 0; d < shape.size(); ++d)
        shape[d] = static_cast<std::int16_t>(std::lround(distances[d] / farthest * Reach));
    return shape;
}

// The classic heart curve, point down on screen (y grows downwards), centred
// a little above its middle, so that the point below reaches farthest.
Outline heartOutline() {
    Outline outline;
    constexpr int Points = 720;
    for (int i = 0; i < Points; ++i) {
        const double t = 2.0 * Pi * i / Points;
        const double x = 16.0 * std::pow(std::sin(t), 3);
        const double y =
            13.0 * std::cos(t) - 5.0 * std::cos(2 * t) - 2.0 * std::cos(3 * t) - std::cos(4 * t);
        outline.push_back({x, 2.0 - y});
    }
    return outline;
}

// A five-pointed star with one point straight up.
Outline starOutline() {
    Outline outline;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 1.0 : 0.42;
        const double degrees = 270.0 + 36.0 * i;
        outline.push_back(
            {radius * std::cos(degrees * Pi / 180.0), radius * std::sin(degrees * Pi / 180.0)});
    }
    return outline;
}

// Directions whose middle lies within `halfWidth` degrees of `centre` get
// Reach, the rest 0.
BurstShape sector(double centre, double halfWidth) {
    BurstShape shape{};
    for (int d = 0; d < DirectionTotal; ++d) {
        const double off = std::remainder(d * 10.0 + 5.0 - centre, 360.0);
        shape[static_cast<std::size_t>(d)] =
            static_cast<std::int16_t>(std::abs(off) < halfWidth ? Reach : 0);
    }
    return shape;
}

BurstShape uniform(int value) {
    BurstShape shape;
    shape.fill(static_cast<std::int16_t>(value));
    return shape;
}

} // namespace

const std::vector<ShapePresetEntry>& shapePresets() {
    static const std::vector<ShapePresetEntry> presets = {
        {ShapePreset::Circle,
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::ShapePresets", "円"))},
        {ShapePreset::Ring, QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::ShapePresets", "輪"))},
        {ShapePreset::Heart,
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::ShapePresets", "ハート"))},
        {ShapePreset::Star, QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::ShapePresets", "星"))},
        {ShapePreset::HalfSphereUp,
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::ShapePresets", "半球（上）"))},
        {ShapePreset::Fan, QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::ShapePresets", "扇"))},
        {ShapePreset::Random,
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::ShapePresets", "ランダム"))},
    };
    return presets;
}

BurstShape presetShape(ShapePreset preset, std::uint32_t seed) {
    switch (preset) {
    case ShapePreset::Circle:
        return uniform(40);
    case ShapePreset::Ring:
        return uniform(4);
    case ShapePreset::Heart:
        return shapeOfOutline(heartOutline());
    case ShapePreset::Star:
        return shapeOfOutline(starOutline());
    case ShapePreset::HalfSphereUp:
        return sector(270.0, 90.0);
    case ShapePreset::Fan:
        return sector(270.0, 30.0);
    case ShapePreset::Random: {
        std::mt19937 generator(seed);
        std::uniform_int_distribution<int> value(8, 56);
        BurstShape shape;
        for (std::int16_t& direction : shape)
            direction = static_cast<std::int16_t>(value(generator));
        return shape;
    }
    }
    return uniform(40);
}

std::uint8_t presetMinimumSpeed(ShapePreset preset, std::uint8_t current) {
    switch (preset) {
    case ShapePreset::Ring:
        return std::max<std::uint8_t>(current, 8);
    case ShapePreset::HalfSphereUp:
    case ShapePreset::Fan:
        return 0;
    default:
        return current;
    }
}

void applyShapePreset(DesignDocument& design, int layer, ShapePreset preset, std::uint32_t seed) {
    LayerSettings& settings = design.layer(layer);
    settings.LayerShape = presetShape(preset, seed);
    settings.LayerMinSpeed = presetMinimumSpeed(preset, settings.LayerMinSpeed);
}

} // namespace kirabellum
