#include "core/editing/SparkLibrary.h"

#include "core/editing/LayerRamps.h"
#include "core/editing/RampLibrary.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kirabellum {

namespace {

constexpr double Centre = 15.5;

// Bright where the pixel lies on the segment through the centre along (ux, uy)
// with half-length `reach`, fading over `width` pixels to the side.
double ray(double dx, double dy, double ux, double uy, double reach, double width) {
    const double along = std::abs(dx * ux + dy * uy);
    const double side = std::abs(dx * uy - dy * ux);
    return std::max(0.0, 1.0 - side / width) * std::max(0.0, 1.0 - along / reach);
}

double glow(double dx, double dy, double radius, double power) {
    return std::pow(std::max(0.0, 1.0 - std::hypot(dx, dy) / radius), power);
}

// Where a few small grains of the glitter spark lie, as offsets from the centre.
constexpr double GlitterGrains[][2] = {{0, 0},  {-7, -4}, {6, -8},  {9, 5},
                                       {-4, 9}, {-11, 3}, {2, -12}, {12, -2}};

double glitter(double dx, double dy) {
    double brightness = 0.0;
    for (const auto& grain : GlitterGrains) {
        const double grainPeak = grain[0] == 0 && grain[1] == 0 ? 1.0 : 0.8;
        brightness = std::max(brightness, grainPeak * glow(dx - grain[0], dy - grain[1], 2.5, 1.0));
    }
    return brightness;
}

bool singleColour(const std::vector<common::Colour>& ramp) {
    return std::all_of(ramp.begin(), ramp.end(),
                       [&ramp](common::Colour colour) { return colour == ramp.front(); });
}

} // namespace

void paintSpark(DesignDocument& design, int slot, int peak, const SparkBrightness& brightness) {
    const std::vector<common::Colour> ramp = layerRamp(design, slot + 1);
    SparkBitmap& image = design.SparkImage[static_cast<std::size_t>(slot)];
    for (int y = 0; y < SparkEdge; ++y) {
        for (int x = 0; x < SparkEdge; ++x) {
            const int index =
                static_cast<int>(std::lround(peak * brightness(x - Centre, y - Centre)));
            image.at(x, y) = ramp[static_cast<std::size_t>(index)];
        }
    }
}

void paintGlowSpark(DesignDocument& design, int slot, double radius, int peak, double power) {
    paintSpark(design, slot, peak,
               [radius, power](double dx, double dy) { return glow(dx, dy, radius, power); });
}

const std::vector<BuiltInSpark>& builtInSparks() {
    const double diagonal = std::sqrt(0.5);
    static const std::vector<BuiltInSpark> sparks = {
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "柔らかい点")),
         [](double dx, double dy) { return glow(dx, dy, 5.0, 1.5); }},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "硬い点")),
         [](double dx, double dy) { return std::clamp(3.5 - std::hypot(dx, dy), 0.0, 1.0); }},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "小さな点")),
         [](double dx, double dy) { return glow(dx, dy, 2.2, 1.0); }},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "大きな光")),
         [](double dx, double dy) { return glow(dx, dy, 12.0, 2.2); }},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "星")),
         [diagonal](double dx, double dy) {
             return std::max({glow(dx, dy, 3.5, 1.0), ray(dx, dy, 1, 0, 12, 1.2),
                              ray(dx, dy, 0, 1, 12, 1.2),
                              0.7 * ray(dx, dy, diagonal, diagonal, 7, 1.2),
                              0.7 * ray(dx, dy, diagonal, -diagonal, 7, 1.2)});
         }},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "十字")),
         [](double dx, double dy) {
             return std::max(
                 {glow(dx, dy, 3.0, 1.0), ray(dx, dy, 1, 0, 14, 1.5), ray(dx, dy, 0, 1, 14, 1.5)});
         }},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "輪")),
         [](double dx, double dy) {
             return std::max(0.0, 1.0 - std::abs(std::hypot(dx, dy) - 6.0) / 1.8);
         }},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "きらめき")), glitter},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "流れ")),
         [](double dx, double dy) {
             return std::pow(std::max(0.0, 1.0 - std::hypot(dx / 1.8, dy / 10.0)), 1.2);
         }},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SparkLibrary", "菱形")),
         [](double dx, double dy) {
             return std::max(0.0, 1.0 - (std::abs(dx) + std::abs(dy)) / 6.0);
         }},
    };
    return sparks;
}

void applyBuiltInSpark(DesignDocument& design, int slot, std::size_t index) {
    const int layer = slot + 1;
    if (const std::vector<common::Colour> ramp = layerRamp(design, layer);
        ramp.size() < 2 || singleColour(ramp)) {
        if (design.layer(layer).Ramp.empty())
            applyBuiltInRamp(design, 0);
        else
            applyBuiltInLayerRamp(design, layer, 0);
    }
    const int peak = static_cast<int>(layerRamp(design, layer).size()) - 1;
    // Scaled so that the brightest pixel takes the peak: no pixel centre falls
    // exactly on the image's centre.
    const SparkBrightness& brightness = builtInSparks().at(index).brightness;
    double brightest = 0.0;
    for (int y = 0; y < SparkEdge; ++y)
        for (int x = 0; x < SparkEdge; ++x)
            brightest = std::max(brightest, brightness(x - Centre, y - Centre));
    paintSpark(design, slot, peak, [&brightness, brightest](double dx, double dy) {
        return brightness(dx, dy) / brightest;
    });
}

} // namespace kirabellum
