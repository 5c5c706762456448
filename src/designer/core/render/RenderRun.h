#pragma once

#include "common/Status.h"
#include "common/WorkerPool.h"
#include "common/palettes/Palette.h"
#include "common/sheets/MotionVectorFrame.h"
#include "common/sheets/SheetOptions.h"
#include "core/document/DesignDocument.h"
#include "core/render/PaletteFrame.h"
#include "core/render/ParticleEngine.h"
#include "core/render/RandomSource.h"
#include "core/render/StripLayout.h"

#include <QImage>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kirabellum {

// What a render run tells its window while it goes on. Every hook may be empty.
struct RenderHooks {
    // Loop mode: the unrecorded periods before the recorded one begin; how
    // many run is not known until they repeat.
    std::function<void()> settlingStarted;
    // Before frame f is drawn (the progress bar shows f).
    std::function<void(int frameIndex)> frameStarted;
    // Frame f is in the strip, in `cell` (the preview copies it from there).
    std::function<void(int frameIndex, const QImage& strip, const QRect& cell)> frameDrawn;
    // Between two frames, after the run flag was read: the window processes
    // pending events here (repaints, the cancel button).
    std::function<void()> betweenFrames;
};

// How a render run records the design.
struct RenderMode {
    // Loop mode: the strip becomes one period of an endless animation whose
    // last frame flows into its first (see RenderRun::RunFrames).
    bool loop = false;
    // Loop mode only: the periods recorded one after the other.
    int cycles = 1;
    // Loop mode only: the frames run at most, unrecorded, before recording. A
    // design that has not settled by then (particles that live for thousands
    // of frames, say) is recorded anyway, and the loop may show a seam.
    int settlingFrameLimit = 4096;
    // When set, the random generator restarts here before the preparation, so
    // every render from it is the same; otherwise the render goes on from
    // where the generator stands.
    std::optional<std::uint64_t> seed;
    // The frames a sheet keeps: 0, frameStep, 2 frameStep, ... The run still
    // renders every frame; motion is measured from one kept frame to the next.
    int frameStep = 1;
    // Record each kept frame's motion vectors (see RenderRun::motionVectors).
    bool recordMotion = false;
    // Record every frame's ramp indices (see RenderRun::intensityStrip).
    bool recordIntensity = false;
    // Frames locked to this palette, dithered as `dither` says (see PaletteFrame).
    std::optional<common::Palette> palette;
    common::Dither dither = common::Dither::None;

    // The mode a design's own render settings ask for.
    static RenderMode of(const RenderSettings& settings);
};

// The engines a render run can draw with; both give the same strip.
enum class EngineKind {
    Fast,      // FastRenderEngine: what the designer renders with
    Reference, // RenderEngine: the straightforward one, to compare against
};

// One render of the design into the frame strip, without windows: lays out the
// strip, prepares the engine and runs the frames into their cells.
class RenderRun {
public:
    // `threadCount` is for the fast engine; below 1 it takes the number of cores.
    explicit RenderRun(RandomSource& random, EngineKind kind = EngineKind::Fast,
                       int threadCount = 0);
    // Renders with the fast engine on `workers`, which other runs may share.
    RenderRun(RandomSource& random, common::WorkerPool& workers);

    // Lays out and clears the strip, restarts the generator at the mode's seed
    // if it has one, then prepares the engine. Settings outside
    // the render settings window's ranges, a strip over 32767 pixels or a damaged
    // ramp length are refused before anything changes. A spark colour outside the
    // ramp fails with the designer's message; the strip is then already resized
    // and cleared to the ramp's first colour, and no frame may be run.
    common::Status PrepareRender(const DesignDocument& design, const RenderMode& mode = {});

    // Renders frames 0, 1, ... into the strip.
    //
    // In loop mode it first runs whole periods of FrameCount frames without
    // recording them, until the particles and the canvas at the start of a
    // period are those at the start of the one before, bit for bit (or until
    // the mode's settling limit), and then records `cycles` periods; the frame
    // that would follow the last is then the first.
    //
    // After each frame it reads
    // `design.RenderCancel`, once: the run stops after the frame in which it
    // finds the flag not 1, or after the last frame. Returns the number of frames
    // rendered. `design` is the live document that the cancel button writes.
    int RunFrames(const DesignDocument& design, const RenderHooks& hooks = {});
    // Frees the engine's particle pool once the frames are run, keeping the
    // strip, what was recorded and the preparation (see
    // ParticleEngine::releaseWorkingMemory); PrepareRender makes it anew.
    void releaseWorkingMemory() { engine_->releaseWorkingMemory(); }

    const QImage& strip() const { return strip_; }
    // With the mode's recordMotion: the motion of kept frame i (frame
    // i × frameStep) of the frames run, one entry per kept frame.
    const std::vector<common::MotionVectorFrame>& motionVectors() const { return motion_; }
    // With the mode's recordIntensity: the ramp indices of every frame, laid out
    // as strip(): red the floor of the design's canvas, green and blue those of
    // the first two canvases of layers' own ramps (0 without).
    const QImage& intensityStrip() const { return intensityStrip_; }
    // Where the random generator stood when the last preparation began: a
    // generator restarted there renders the same strip again.
    std::uint64_t startSeed() const { return startSeed_; }
    // Whether the last loop render settled before it recorded (always true for
    // a normal render).
    bool settled() const { return settled_; }
    // Whether a preparation has begun at all; until then startSeed() and
    // settled() describe no render.
    bool hasStarted() const { return hasStarted_; }
    // The mode of the last preparation.
    const RenderMode& mode() const { return mode_; }
    const StripLayout& layout() const { return layout_; }
    const ParticleEngine& engine() const { return *engine_; }
    // The strip's background and the colour of cells without a frame: the
    // ramp's first colour, snapped to the mode's palette when it has one.
    common::Colour background() const;

private:
    // Loop mode: runs periods unrecorded until they repeat. False when the
    // run was cancelled meanwhile.
    bool settle(const DesignDocument& design, const RenderHooks& hooks);

    RandomSource& random_;
    std::unique_ptr<ParticleEngine> engine_;
    RenderMode mode_;
    std::uint64_t startSeed_ = 0;
    bool settled_ = true;
    bool hasStarted_ = false;
    StripLayout layout_;
    QImage strip_;
    std::vector<common::MotionVectorFrame> motion_;
    QImage intensityStrip_;
    std::optional<PaletteFrame> paletteFrame_;
    bool prepared_ = false;
};

} // namespace kirabellum
