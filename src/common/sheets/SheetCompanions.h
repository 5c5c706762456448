#pragma once

#include "common/Status.h"
#include "common/sheets/MotionVectorFrame.h"
#include "common/sheets/SheetDescription.h"
#include "common/sheets/SheetFiles.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace common {

// What a sheet's motion vectors and intensity change in the files written: the
// sheet itself (an intensity sheet holds ramp indices in place of colours), the
// images beside it and their entries in the metadata.
struct SheetCompanions {
    QImage sheet;
    SheetDescription description;
    std::vector<CompanionImage> images;

    // Adds the motion-vector image of the kept frames' `motion`, animation by
    // animation, in `preset` (not None) on the description's atlas beside the
    // sheet `imagePath` ("NAME_mv.png"), and its entry in the description.
    void addMotionVectors(const std::vector<std::vector<MotionVectorFrame>>& motion,
                          MotionVectorPreset preset, int frameStep, const QString& imagePath);
};

// Makes the companions of the sheet written to `imagePath` with `options`;
// `companions` comes in holding the colour sheet and its description. Only a
// program with particles and a ramp can make them (the designer, which
// renders its design again to record them).
using SheetCompanionMaker = std::function<Status(
    const SheetOptions& options, const QString& imagePath, SheetCompanions& companions)>;

} // namespace common
