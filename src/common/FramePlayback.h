#pragma once

#include <QString>

#include <chrono>

namespace common {

// The refresh-rate options both players offer, option 0 to 5 captioned "60fps"
// to "10fps", and the milliseconds each waits between frames.
constexpr int RefreshRateOptionCount = 6;
int PlayInterval(int option);
// The option both players start with, "15fps".
constexpr int StartRefreshRateOption = 4;
// The frames per second that option `option`'s caption names (60 to 10), the
// rate sheets' metadata states; an option outside 0 to 5, which a design file
// may hold, names the start option's.
int captionedFrameRate(int option);

// The frames a playback shows: firstFrame, firstFrame + skipStep, ... while
// below frameCount.
struct PlaybackFrames {
    int frameCount = 0;
    int firstFrame = 0;
    int skipStep = 1;
};

// One playback of frames, timed by a clock that the caller reads and hands in;
// nothing here waits. Each step comes more than the interval after the clock
// reading that took the step before, that is at least the interval plus one
// millisecond later, however late that reading was. The steps are the frames
// in order, then the end, one interval after the last frame, when the picture
// is cleared.
class FramePlayback {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    enum class Action {
        Wait, // the next step is not due yet
        Show, // show the step's frame now
        End,  // the frames have run out: clear the picture now
    };
    struct Step {
        Action action;
        int frame; // the frame to show, for Show
    };

    // `start` counts as the reading before the first frame.
    FramePlayback(PlaybackFrames frames, int intervalMilliseconds, TimePoint start);

    // The earliest reading at which the next step is taken.
    TimePoint due() const { return last_ + wait_; }
    // Takes the next step if it is due at the reading `now`, otherwise waits.
    // Once ended, every step is End.
    Step step(TimePoint now);
    bool ended() const { return ended_; }

    int frameCount() const { return frameCount_; }
    // The designer's strip can be rendered anew between two frames of its
    // playback; the playback then runs on to the new frame count.
    void setFrameCount(int frameCount) { frameCount_ = frameCount; }

    // The player's caption while frame `frame` of `frameCount` is shown, e.g.
    // "4/10", and outside playback.
    static QString caption(int frame, int frameCount);
    static QString idleCaption() { return QStringLiteral("Preview"); }

private:
    int frameCount_;
    int skipStep_;
    std::chrono::milliseconds wait_;
    TimePoint last_;
    int next_;
    bool ended_ = false;
};

} // namespace common
