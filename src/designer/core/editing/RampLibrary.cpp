#include "core/editing/RampLibrary.h"

#include "core/editing/LayerRamps.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kirabellum {

namespace {

int mix(int from, int to, double t) {
    return static_cast<int>(std::lround(from + (to - from) * t));
}

common::Colour rgb(int red, int green, int blue) {
    return common::makeColour(red, green, blue);
}

} // namespace

std::vector<common::Colour> gradientRamp(int length, const std::vector<common::Colour>& keys) {
    std::vector<common::Colour> ramp{0};
    const int segments = static_cast<int>(keys.size());
    for (int index = 1; index < length; ++index) {
        const double position = static_cast<double>(index) / (length - 1) * segments;
        const int segment = std::min(static_cast<int>(position), segments - 1);
        const double t = position - segment;
        const common::Colour from = segment == 0 ? 0 : keys[static_cast<std::size_t>(segment - 1)];
        const common::Colour to = keys[static_cast<std::size_t>(segment)];
        common::Colour colour =
            common::makeColour(mix(common::colourRed(from), common::colourRed(to), t),
                               mix(common::colourGreen(from), common::colourGreen(to), t),
                               mix(common::colourBlue(from), common::colourBlue(to), t));
        // Keep every entry distinct, nudging the blue channel where two coincide.
        while (std::find(ramp.begin(), ramp.end(), colour) != ramp.end())
            colour = common::makeColour(common::colourRed(colour), common::colourGreen(colour),
                                        (common::colourBlue(colour) + 1));
        ramp.push_back(colour);
    }
    return ramp;
}

void fillRamp(DesignDocument& design, int length, const std::vector<common::Colour>& keys) {
    const std::vector<common::Colour> ramp = gradientRamp(length, keys);
    design.RampLength = static_cast<std::int16_t>(length);
    std::copy(ramp.begin(), ramp.end(), design.ColorRamp.begin());
}

const std::vector<BuiltInRamp>& builtInRamps() {
    static const std::vector<BuiltInRamp> ramps = {
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "金")),
         {rgb(60, 30, 0), rgb(170, 100, 10), rgb(240, 180, 40), rgb(255, 230, 140),
          rgb(255, 255, 235)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "赤")),
         {rgb(70, 0, 0), rgb(190, 10, 10), rgb(255, 60, 30), rgb(255, 170, 120),
          rgb(255, 245, 230)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "緑")),
         {rgb(0, 40, 10), rgb(10, 130, 40), rgb(60, 220, 80), rgb(180, 255, 160),
          rgb(245, 255, 235)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "青")),
         {rgb(0, 10, 70), rgb(20, 60, 200), rgb(70, 150, 255), rgb(170, 215, 255),
          rgb(240, 250, 255)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "紫")),
         {rgb(40, 0, 60), rgb(120, 30, 170), rgb(190, 90, 255), rgb(230, 180, 255),
          rgb(255, 245, 255)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "銀白")),
         {rgb(40, 40, 50), rgb(120, 120, 135), rgb(190, 190, 205), rgb(230, 230, 240),
          rgb(255, 255, 255)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "虹")),
         {rgb(90, 0, 120), rgb(20, 60, 230), rgb(0, 200, 120), rgb(240, 230, 0), rgb(255, 120, 0),
          rgb(255, 40, 40), rgb(255, 240, 230)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "橙")),
         {rgb(80, 20, 0), rgb(200, 70, 0), rgb(255, 140, 20), rgb(255, 200, 110),
          rgb(255, 250, 225)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "桃")),
         {rgb(70, 0, 35), rgb(200, 40, 120), rgb(255, 110, 180), rgb(255, 190, 225),
          rgb(255, 245, 250)}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::RampLibrary", "水色")),
         {rgb(0, 40, 50), rgb(0, 130, 160), rgb(40, 210, 230), rgb(160, 245, 250),
          rgb(240, 255, 255)}},
    };
    return ramps;
}

void applyBuiltInRamp(DesignDocument& design, std::size_t index) {
    const DesignDocument before = design;
    fillRamp(design, BuiltInRampLength, builtInRamps().at(index).keys);
    carrySparksOver(before, design);
}

void applyBuiltInLayerRamp(DesignDocument& design, int layer, std::size_t index) {
    setLayerRamp(design, layer, gradientRamp(BuiltInRampLength, builtInRamps().at(index).keys));
}

void snapRampToPalette(DesignDocument& design, int layer, bool ownRamp,
                       const common::Palette& palette) {
    if (ownRamp) {
        std::vector<common::Colour> ramp = design.layer(layer).Ramp;
        std::transform(ramp.begin() + 1, ramp.end(), ramp.begin() + 1,
                       [&palette](common::Colour colour) { return palette.nearest(colour); });
        setLayerRamp(design, layer, std::move(ramp));
        return;
    }
    const DesignDocument before = design;
    for (int entry = 0; entry < design.RampLength; ++entry) {
        common::Colour& colour = design.ColorRamp[static_cast<std::size_t>(entry)];
        colour = palette.nearest(colour);
    }
    carrySparksOver(before, design);
}

void carrySparksOver(const DesignDocument& before, DesignDocument& design) {
    const std::vector<common::Colour> from = designRamp(before);
    const std::vector<common::Colour> to = designRamp(design);
    for (int layer = 1; layer <= LayerTotal; ++layer)
        if (design.layer(layer).Ramp.empty())
            carrySparkOver(from, to, design.SparkImage[static_cast<std::size_t>(layer - 1)]);
}

} // namespace kirabellum
