#pragma once

#include "common/sheets/SheetGrid.h"
#include "common/sheets/SheetOptions.h"

#include <QString>

namespace common {

// What the metadata beside a sheet says: the grid, how its pixels are held,
// the frame rate, whether the frames loop, the image file and the names of the
// frames, and which program wrote it.
struct SheetDescription {
    SheetGrid grid;
    AlphaMode alpha = AlphaMode::Additive;
    int framesPerSecond = 15;
    // Whether the frames play over and over (a loop render) or once (a burst).
    bool loop = false;
    QString imageFileName; // "burst.png", beside the metadata
    QString baseName;      // "burst": the animation's name and the frames' names
    QString application;   // "Kirabellum"
    QString version;       // "1.22"

    // The description of the sheet written to `imagePath`: its file name and
    // base name (the name without its last extension).
    static SheetDescription of(const QString& imagePath, const SheetGrid& grid, AlphaMode alpha,
                               int framesPerSecond, bool loop, const QString& application,
                               const QString& version);

    // Frame `frame` (0-based, in play order): the base name, "_", the index in
    // three digits ("burst_000").
    QString frameName(int frame) const;
    // How long each frame shows, in whole milliseconds.
    int frameDuration() const;
};

} // namespace common
