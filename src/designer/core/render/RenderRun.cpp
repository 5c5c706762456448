#include "core/render/RenderRun.h"

#include "core/render/FastRenderEngine.h"
#include "core/render/FrameMotion.h"
#include "core/render/RampIndices.h"
#include "core/render/RenderEngine.h"

#include <QCoreApplication>

#include <algorithm>

namespace kirabellum {

namespace {

std::unique_ptr<ParticleEngine> makeEngine(RandomSource& random, EngineKind kind, int threadCount) {
    if (kind == EngineKind::Reference)
        return std::make_unique<RenderEngine>(random);
    return std::make_unique<FastRenderEngine>(random, threadCount);
}

// The strip's resolution, which picture files record: 100 dots per inch, what
// an image made without a screen has. Fixed, so that a strip saved from the
// windows is the same file as the command line's, whatever the screen.
constexpr int StripDotsPerMeter = 3937;

// A strip of the layout's size, every pixel `pixel`. Filled row by row rather
// than with QImage::fill, whose vectorised fill can leave this thread's
// floating-point code running slower afterwards (see WorkerPool); the engines
// run on after it.
QImage filledStrip(const StripLayout& layout, QRgb pixel) {
    QImage strip(layout.width(), layout.height(), QImage::Format_RGB32);
    strip.setDotsPerMeterX(StripDotsPerMeter);
    strip.setDotsPerMeterY(StripDotsPerMeter);
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        std::fill(line, line + strip.width(), pixel);
    }
    return strip;
}

} // namespace

RenderMode RenderMode::of(const RenderSettings& settings) {
    RenderMode mode;
    mode.loop = settings.Loop;
    mode.seed = settings.Seed;
    return mode;
}

RenderRun::RenderRun(RandomSource& random, EngineKind kind, int threadCount)
    : random_(random), engine_(makeEngine(random, kind, threadCount)) {}

RenderRun::RenderRun(RandomSource& random, common::WorkerPool& workers)
    : random_(random), engine_(std::make_unique<FastRenderEngine>(random, workers)) {}

common::Status RenderRun::PrepareRender(const DesignDocument& design, const RenderMode& mode) {
    prepared_ = false;
    if (mode.frameStep < 1)
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::RenderRun", "The frame step %1 is below 1")
                .arg(mode.frameStep));
    if (mode.loop && mode.cycles < 1)
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::RenderRun",
                                        "A loop records at least one period, not %1")
                .arg(mode.cycles));
    StripLayout layout;
    common::Status status =
        layOutStrip(design, design.FrameCount * (mode.loop ? mode.cycles : 1), layout);
    if (!status.ok())
        return status;
    if (design.RampLength < 0 || design.RampLength > RampCapacity)
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::RenderRun",
                                        "The colour ramp length %1 is outside 0 to %2")
                .arg(design.RampLength)
                .arg(RampCapacity));

    layout_ = layout;
    mode_ = mode;
    settled_ = true;
    hasStarted_ = true;
    motion_.clear();
    if (mode.seed)
        random_.restart(*mode.seed);
    startSeed_ = random_.state();
    engine_->setLoop(mode.loop ? design.FrameCount : 0, startSeed_);
    status = engine_->PrepareRender(design);
    paletteFrame_.reset();
    if (mode.palette)
        paletteFrame_.emplace(engine_->preparation(), *mode.palette, mode.dither);
    // The palette is built even when the spark images fail, and the strip is
    // cleared to its first colour either way.
    strip_ = filledStrip(layout_, common::colourToRgb(background()));
    // Cells without a frame hold index 0, the ramp's first colour.
    intensityStrip_ = mode.recordIntensity ? filledStrip(layout_, qRgb(0, 0, 0)) : QImage();
    prepared_ = status.ok();
    return status;
}

int RenderRun::RunFrames(const DesignDocument& design, const RenderHooks& hooks) {
    if (!prepared_)
        return 0;
    prepared_ = false; // the particles are used up: a new run needs a new preparation
    if (mode_.loop && !settle(design, hooks))
        return 0;
    int frameIndex = 0;
    for (;;) {
        if (hooks.frameStarted)
            hooks.frameStarted(frameIndex);
        if (mode_.recordMotion && frameIndex % mode_.frameStep == 0)
            motion_.push_back(measureFrameMotion(engine_->pool(), engine_->canvas(),
                                                 engine_->preparation(), mode_.frameStep));
        const QPoint origin = layout_.cellOrigin(frameIndex);
        // The bursts after the frame are spawned with it: they change only the
        // particles, and the frame is drawn from the canvas.
        if (paletteFrame_) {
            engine_->advanceAndSpawn(frameIndex);
            paletteFrame_->draw(engine_->canvas(), strip_, origin);
        } else {
            engine_->advanceDrawAndSpawn(strip_, origin, frameIndex);
        }
        if (mode_.recordIntensity)
            drawRampIndices(*engine_, intensityStrip_, origin);
        if (hooks.frameDrawn)
            hooks.frameDrawn(frameIndex, strip_,
                             QRect(origin, QSize(layout_.FrameSize, layout_.FrameSize)));

        const bool mayContinue = design.RenderCancel == 1;
        ++frameIndex;
        if (!mayContinue || frameIndex == layout_.FrameCount)
            return frameIndex;
        if (hooks.betweenFrames)
            hooks.betweenFrames();
    }
}

common::Colour RenderRun::background() const {
    return paletteFrame_ ? paletteFrame_->background() : engine_->paletteColour(0);
}

bool RenderRun::settle(const DesignDocument& design, const RenderHooks& hooks) {
    if (hooks.settlingStarted)
        hooks.settlingStarted();
    const int period = design.FrameCount;
    ParticleEngine::State periodStart = engine_->state();
    for (int ran = 0; ran < mode_.settlingFrameLimit;) {
        for (int frame = 0; frame < period; ++frame, ++ran) {
            engine_->advanceAndSpawn(frame);
            if (design.RenderCancel != 1)
                return false;
            if (hooks.betweenFrames)
                hooks.betweenFrames();
        }
        ParticleEngine::State next = engine_->state();
        if (next == periodStart)
            return true;
        periodStart = std::move(next);
    }
    settled_ = false;
    return true;
}

} // namespace kirabellum
