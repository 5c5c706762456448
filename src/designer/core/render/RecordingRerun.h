#pragma once

#include "common/Status.h"
#include "common/WorkerPool.h"
#include "common/palettes/Palette.h"
#include "common/sheets/SheetCompanions.h"
#include "common/sheets/SheetImage.h"
#include "core/document/DesignDocument.h"
#include "core/render/RandomSource.h"
#include "core/render/RenderRun.h"

namespace kirabellum {

// The design rendered once more as a strip was rendered (the fast engine, the
// same seed, the same mode), recording what the strip itself does not hold:
// the kept frames' motion and the ramp indices. The files beside an exported
// sheet and the preview's motion blending are made from it.
class RecordingRerun {
public:
    explicit RecordingRerun(common::WorkerPool& workers);

    // Renders `design` as `rendered` was rendered, keeping every `frameStep`th
    // frame, with the mode's recordMotion and recordIntensity set as asked.
    // Unless that gives `strip` (the strip shown or exported) bit for bit, as
    // when the design changed since or the render was cancelled, it fails with
    // a message that asks for a new render.
    common::Status run(const DesignDocument& design, const RenderRun& rendered, const QImage& strip,
                       int frameStep, bool recordMotion, bool recordIntensity);

    // Renders again what `options` ask beside the sheet `imagePath` of
    // `strip` (as run() does) and adds it to `companions`.
    common::Status addCompanions(const DesignDocument& design, const RenderRun& rendered,
                                 const QImage& strip, const common::SheetOptions& options,
                                 const QString& imagePath, common::SheetCompanions& companions);

    // The strip rendered again locked to `palette` with the options'
    // dithering, once run() has shown that the design is the strip's: the
    // frames of `frames` (its image, and the snapped background in its
    // empty cells) and `background` become those the command line writes.
    common::Status lockToPalette(const DesignDocument& design, const RenderRun& rendered,
                                 const QImage& strip, const common::SheetOptions& options,
                                 const common::Palette& palette, common::SheetFrames& frames,
                                 common::Colour& background);

    // The run, once run() has succeeded.
    const RenderRun& result() const { return run_; }

private:
    // The mode `rendered` was rendered in, from the seed it started at.
    static RenderMode modeOf(const RenderRun& rendered);
    // Renders `design` in `mode` to its last frame.
    common::Status renderAgain(const DesignDocument& design, const RenderMode& mode);

    RandomSource random_;
    RenderRun run_;
};

} // namespace kirabellum
