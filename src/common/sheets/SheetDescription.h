#pragma once

#include "common/sheets/SheetGrid.h"
#include "common/sheets/SheetOptions.h"

#include <QString>

#include <optional>

namespace common {

// What the metadata beside a sheet says: the grid, how its pixels are held,
// the frame rate, whether the frames loop, the image file and the names of the
// frames, and which program wrote it.
struct SheetDescription {
    SheetGrid grid;
    AlphaMode alpha = AlphaMode::Additive;
    // The rate the frames play at; a frame step makes it fractional (7.5).
    double framesPerSecond = 15;
    // Whether the frames play over and over (a loop render) or once (a burst).
    bool loop = false;
    QString imageFileName; // "burst.png", beside the metadata
    QString baseName;      // "burst": the animation's name and the frames' names
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
    // base name (the name without its last extension).
    static SheetDescription of(const QString& imagePath, const SheetGrid& grid, AlphaMode alpha,
                               double framesPerSecond, bool loop, const QString& application,
                               const QString& version);

    // Frame `frame` (0-based, in play order): the base name, "_", the index in
    // three digits ("burst_000").
    QString frameName(int frame) const;
    // How long each frame shows, in whole milliseconds (the rate is positive).
    int frameDuration() const;
};

} // namespace common
