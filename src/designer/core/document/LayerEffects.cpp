#include "core/document/LayerEffects.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace kirabellum {

namespace {

bool isLayer(int number) {
    return number >= 1 && number <= LayerTotal;
}

// The layer whose particles trigger `layer`; 0 when none does.
int parentOf(const DesignDocument& document, int layer) {
    const std::optional<LayerTrigger>& trigger = document.layer(layer).Trigger;
    return trigger && isLayer(trigger->Parent) ? trigger->Parent : 0;
}

} // namespace

bool usesLayerEffects(const DesignDocument& document) {
    return std::any_of(document.Layers.begin(), document.Layers.end(),
                       [](const LayerSettings& layer) { return layer.usesEffects(); });
}

QString layerEffectNames(const DesignDocument& document) {
    const auto used = [&document](auto uses) {
        return std::any_of(document.Layers.begin(), document.Layers.end(), uses);
    };
    QStringList names;
    if (used([](const LayerSettings& layer) { return layer.Trigger.has_value(); }))
        names << QCoreApplication::translate("kirabellum::LayerEffects", "child bursts");
    if (used([](const LayerSettings& layer) { return !layer.Ramp.empty(); }))
        names << QCoreApplication::translate("kirabellum::LayerEffects", "layer ramps");
    if (used([](const LayerSettings& layer) { return layer.Trail.has_value(); }))
        names << QCoreApplication::translate("kirabellum::LayerEffects", "trails");
    return names.join(QCoreApplication::translate("kirabellum::LayerEffects", ", "));
}

void dropLayerEffects(DesignDocument& document) {
    for (LayerSettings& layer : document.Layers) {
        layer.Trigger.reset();
        layer.Trail.reset();
        layer.Ramp.clear();
    }
}

common::Status checkLayerEffects(const DesignDocument& document) {
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const int parent = parentOf(document, layer);
        if (parent == layer)
            return common::Status::failure(
                QCoreApplication::translate(
                    "kirabellum::LayerEffects",
                    "layer %1 is triggered by itself; a trigger's parent must be another layer")
                    .arg(layer));
        // The first layer found on a cycle is its lowest; the cycle is named from there.
        if (parent != 0 && triggerWouldCycle(document, layer, parent)) {
            QStringList cycle{QString::number(layer)};
            for (int next = parent; next != layer; next = parentOf(document, next))
                cycle << QString::number(next);
            return common::Status::failure(
                QCoreApplication::translate(
                    "kirabellum::LayerEffects",
                    "the triggers of layers %1 form a cycle: each of them is triggered by the "
                    "next, and the last by the first")
                    .arg(cycle.join(QStringLiteral(", "))));
        }
    }
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const std::vector<common::Colour>& ramp = document.layer(layer).Ramp;
        if (!ramp.empty() && ramp.front() != common::makeColour(0, 0, 0))
            return common::Status::failure(
                QCoreApplication::translate("kirabellum::LayerEffects",
                                            "the colour ramp of layer %1 starts with %2; a "
                                            "layer's ramp must start with black, #000000")
                    .arg(layer)
                    .arg(common::colourToHex(ramp.front())));
    }
    return common::Status::success();
}

bool triggerWouldCycle(const DesignDocument& document, int childLayer, int parentLayer) {
    if (!isLayer(childLayer))
        return false;
    // A chain longer than the layers runs round a cycle that the child is not on.
    int current = parentLayer;
    for (int step = 0; step < LayerTotal && isLayer(current); ++step) {
        if (current == childLayer)
            return true;
        current = parentOf(document, current);
    }
    return false;
}

} // namespace kirabellum
