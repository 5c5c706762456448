#include "core/document/DesignDocument.h"

#include "core/document/FloatBits.h"

namespace kirabellum {

namespace {

// Floats compare by bit pattern, so that a NaN read from a file equals itself
// and -0.0 differs from 0.0: "the same design" means the same bytes on disk.
bool sameForce(const GravityForce& a, const GravityForce& b) {
    return a.Use == b.Use && sameBits(a.Angle, b.Angle) && sameBits(a.Power, b.Power);
}

} // namespace

bool LayerSettings::operator==(const LayerSettings& other) const {
    return LayerUse == other.LayerUse && LayerX == other.LayerX && LayerY == other.LayerY &&
           LayerCount == other.LayerCount && LayerRadius == other.LayerRadius &&
           LayerMinSpeed == other.LayerMinSpeed && LayerLife == other.LayerLife &&
           LayerDecel == other.LayerDecel && LayerShape == other.LayerShape &&
           LayerBurstMode == other.LayerBurstMode && LayerBurstFrom == other.LayerBurstFrom &&
           LayerBurstTo == other.LayerBurstTo && LayerBurstStep == other.LayerBurstStep &&
           Trigger == other.Trigger && Trail == other.Trail && Ramp == other.Ramp;
}

bool DesignDocument::sameDesignAs(const DesignDocument& other) const {
    if (AfterimageOn != other.AfterimageOn || Afterimage != other.Afterimage ||
        FrameSize != other.FrameSize || FrameCount != other.FrameCount ||
        RefreshRate != other.RefreshRate || !sameBits(AddRate, other.AddRate) ||
        WidthLimit != other.WidthLimit || Render != other.Render || Layers != other.Layers ||
        RampLength != other.RampLength || ColorRamp != other.ColorRamp)
        return false;
    for (int force = 0; force < GravityTotal; ++force)
        if (!sameForce(Gravity[force], other.Gravity[force]))
            return false;
    for (int slot = 0; slot < LayerTotal; ++slot)
        if (SparkImage[slot].pixels != other.SparkImage[slot].pixels)
            return false;
    return true;
}

void ApplyDefaults(DesignDocument& document) {
    document.AfterimageOn = 0;
    document.Afterimage = 20;
    document.FrameSize = 160;
    document.FrameCount = 10;
    document.RefreshRate = 4;
    document.AddRate = 1.0f;
    document.WidthLimit = 640;
    document.Render = RenderSettings();

    for (LayerSettings& layer : document.Layers) {
        layer.LayerUse = 0;
        layer.LayerX = 80;
        layer.LayerY = 80;
        layer.LayerCount = 512;
        layer.LayerRadius = 24;
        layer.LayerMinSpeed = 0;
        layer.LayerLife = 35;
        layer.LayerDecel = 80;
        layer.LayerShape.fill(32);
        layer.LayerBurstMode = 0;
        layer.LayerBurstFrom = 0;
        layer.LayerBurstTo = 0;
        layer.LayerBurstStep = 1;
        layer.Trigger.reset();
        layer.Trail.reset();
        layer.Ramp.clear();
    }

    for (GravityForce& force : document.Gravity) {
        force.Use = 0;
        force.Angle = 0.0f;
        force.Power = 4.0f;
    }
}

void NewDesign(DesignDocument& document) {
    ApplyDefaults(document);
    for (SparkBitmap& image : document.SparkImage)
        image.pixels.fill(0);
    document.RampLength = 16;
    for (int index = 0; index < 16; ++index)
        document.ColorRamp[static_cast<std::size_t>(index)] = 0;
}

} // namespace kirabellum
