#include "core/editing/LayerRamps.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

std::vector<common::Colour> designRamp(const DesignDocument& design) {
    const auto* begin = design.ColorRamp.begin();
    return {begin, begin + std::clamp<int>(design.RampLength, 0, RampCapacity)};
}

std::vector<common::Colour> layerRamp(const DesignDocument& design, int layer) {
    const std::vector<common::Colour>& own = design.layer(layer).Ramp;
    return own.empty() ? designRamp(design) : own;
}

void carrySparkOver(const std::vector<common::Colour>& from, const std::vector<common::Colour>& to,
                    SparkBitmap& spark) {
    if (from.empty() || to.empty())
        return;
    std::array<std::size_t, SparkEdge * SparkEdge> places{};
    for (std::size_t pixel = 0; pixel < spark.pixels.size(); ++pixel) {
        const auto found = std::find(from.begin(), from.end(), spark.pixels[pixel]);
        if (found == from.end())
            return;
        places[pixel] = static_cast<std::size_t>(found - from.begin());
    }
    const std::size_t last = from.size() - 1;
    for (std::size_t pixel = 0; pixel < spark.pixels.size(); ++pixel) {
        const long place =
            last == 0 ? 0
                      : std::lround(static_cast<double>(places[pixel]) *
                                    static_cast<double>(to.size() - 1) / static_cast<double>(last));
        spark.pixels[pixel] = to[static_cast<std::size_t>(place)];
    }
}

void setLayerRamp(DesignDocument& design, int layer, std::vector<common::Colour> ramp) {
    const std::vector<common::Colour> before = layerRamp(design, layer);
    design.layer(layer).Ramp = std::move(ramp);
    carrySparkOver(before, design.layer(layer).Ramp,
                   design.SparkImage[static_cast<std::size_t>(layer - 1)]);
}

void giveLayerOwnRamp(DesignDocument& design, int layer) {
    std::vector<common::Colour> ramp = designRamp(design);
    if (ramp.empty())
        ramp.push_back(0);
    ramp.front() = 0;
    setLayerRamp(design, layer, std::move(ramp));
}

void returnLayerToDesignRamp(DesignDocument& design, int layer) {
    const std::vector<common::Colour> before = layerRamp(design, layer);
    design.layer(layer).Ramp.clear();
    carrySparkOver(before, designRamp(design),
                   design.SparkImage[static_cast<std::size_t>(layer - 1)]);
}

} // namespace kirabellum
