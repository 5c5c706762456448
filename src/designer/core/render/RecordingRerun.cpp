#include "core/render/RecordingRerun.h"

#include "core/render/IntensitySheet.h"

#include <QCoreApplication>

namespace kirabellum {

RecordingRerun::RecordingRerun(common::WorkerPool& workers) : run_(random_, workers) {}

RenderMode RecordingRerun::modeOf(const RenderRun& rendered) {
    RenderMode mode = rendered.mode();
    mode.seed = rendered.startSeed();
    return mode;
}

common::Status RecordingRerun::renderAgain(const DesignDocument& design, const RenderMode& mode) {
    // Run to the last frame, whatever the cancel button last wrote.
    DesignDocument whole = design;
    whole.RenderCancel = 1;
    const common::Status status = run_.PrepareRender(whole, mode);
    if (status.ok())
        run_.RunFrames(whole);
    return status;
}

common::Status RecordingRerun::run(const DesignDocument& design, const RenderRun& rendered,
                                   const QImage& strip, int frameStep, bool recordMotion,
                                   bool recordIntensity) {
    RenderMode mode = modeOf(rendered);
    mode.frameStep = frameStep;
    mode.recordMotion = recordMotion;
    mode.recordIntensity = recordIntensity;
    common::Status status = renderAgain(design, mode);
    if (status.ok() && run_.strip() == strip)
        return status;
    if (status.ok())
        status = common::Status::failure(QCoreApplication::translate(
            "kirabellum::RecordingRerun",
            "The frames are not those of the design as it now is; render it again first"));
    return status;
}

common::Status RecordingRerun::addCompanions(const DesignDocument& design,
                                             const RenderRun& rendered, const QImage& strip,
                                             const common::SheetOptions& options,
                                             const QString& imagePath,
                                             common::SheetCompanions& companions) {
    const bool motion = options.motionVectors != common::MotionVectorPreset::None;
    const bool intensity = options.colour == common::SheetColour::Intensity;
    common::Status status = run(design, rendered, strip, options.frameStep, motion, intensity);
    if (status.ok() && intensity)
        status = addIntensitySheet({&run_}, options.alpha, imagePath, companions);
    if (status.ok() && motion)
        companions.addMotionVectors({run_.motionVectors()}, options.motionVectors,
                                    options.frameStep, imagePath);
    return status;
}

common::Status RecordingRerun::lockToPalette(const DesignDocument& design,
                                             const RenderRun& rendered, const QImage& strip,
                                             const common::SheetOptions& options,
                                             const common::Palette& palette,
                                             common::SheetFrames& frames,
                                             common::Colour& background) {
    common::Status status = run(design, rendered, strip, 1, false, false);
    if (!status.ok())
        return status;
    RenderMode mode = modeOf(rendered);
    mode.palette = palette;
    mode.dither = options.dither;
    status = renderAgain(design, mode);
    if (!status.ok())
        return status;
    frames.image = run_.strip();
    frames.emptyCellColour = run_.background();
    background = run_.background();
    return status;
}

} // namespace kirabellum
