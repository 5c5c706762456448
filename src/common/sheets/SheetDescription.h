#pragma once

#include "common/sheets/SheetAtlas.h"
#include "common/sheets/SheetGrid.h"
#include "common/sheets/SheetOptions.h"

#include <QString>

#include <optional>

namespace common {

// What the metadata beside a sheet says: where its frames are and the
// animations they make (each with its rate, which a frame step makes
// fractional, and whether it loops), how its pixels are held, the image file,
// and which program wrote it.
struct SheetDescription {
    SheetAtlas atlas;
    AlphaMode alpha = AlphaMode::Additive;
    QString imageFileName; // "burst.png", beside the metadata
    QString baseName;      // "burst": the image's name without its extension
    QString application;   // "Kirabellum"
    QString version;       // "1.22"
    // The motion-vector image beside the sheet, when one is written.
    struct MotionVectors {
        QString imageFileName; // "burst_mv.png"
        MotionVectorPreset preset = MotionVectorPreset::Unity;
        // What a decoded vector is multiplied by (the unity preset's S; 1 for raw16).
        double scale = 1.0;
        int frameStep = 1;
    };
    std::optional<MotionVectors> motionVectors;
    // The ramp image beside a sheet of ramp indices, when the sheet holds them.
    struct IntensityRamp {
        QString imageFileName; // "burst_ramp.png"
        int rampLength = 0;
        // The canvases packed into the sheet's channels: 1 (grey) to 3 (R, G, B).
        int channels = 1;
    };
    std::optional<IntensityRamp> intensityRamp;

    // The description of the sheet written to `imagePath`: its file name and
    // base name (the name without its last extension); the grid's frames are
    // one animation named after the file, at `framesPerSecond`, looping or not.
    static SheetDescription of(const QString& imagePath, const SheetGrid& grid, AlphaMode alpha,
                               double framesPerSecond, bool loop, const QString& application,
                               const QString& version);
    // The same for the animations of `atlas`.
    static SheetDescription of(const QString& imagePath, const SheetAtlas& atlas, AlphaMode alpha,
                               const QString& application, const QString& version);
};

} // namespace common
