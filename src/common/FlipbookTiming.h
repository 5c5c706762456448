#pragma once

namespace common {

// What a blending player shows at one tick: `blend` (0 to 1) of the way from
// kept frame `from` to kept frame `to` (indices among the kept frames).
struct FlipbookTick {
    int from = 0;
    int to = 0;
    double blend = 0.0;
};

// The ticks of a flipbook played as an engine plays it: a sheet that keeps
// frames 0, frameStep, 2 frameStep, ... of frameCount plays them at the frame
// rate divided by frameStep, and a blending engine shows, between two kept
// frames, the mix of the way from one to the next. The player ticks at the
// frame rate divided by slowDown, so each frame of the render lasts slowDown
// ticks. With a step and a slow-down of 1 the ticks are the frames.
class FlipbookTiming {
public:
    // A loop's last kept frame leads into its first; otherwise the ticks end
    // on the last kept frame.
    FlipbookTiming(int frameCount, int frameStep, int slowDown, bool loop);

    int keptFrameCount() const;
    // The frame of the render that kept frame `kept` is.
    int renderedFrame(int kept) const { return kept * step_; }
    // The ticks of one pass through the frames.
    int tickCount() const;
    // Tick `tick` (0 to tickCount() - 1).
    FlipbookTick tick(int tick) const;

private:
    // The ticks from one kept frame to the next.
    int ticksPerKeptFrame() const { return step_ * slowDown_; }

    int frameCount_;
    int step_;
    int slowDown_;
    bool loop_;
};

} // namespace common
