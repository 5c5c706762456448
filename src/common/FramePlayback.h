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

// The order a playback runs through its frames, the options both players offer
// as "1回", "繰り返し" and "往復" (option 0 to 2), in the windows' language.
enum class PlaybackOrder {
    Once,     // the frames once, then the end
    Repeat,   // the frames over and over: the first follows the last
    PingPong, // forward, then backward, and so on: the end frames show once per turn
};
constexpr int PlaybackOrderCount = 3;
QString playbackOrderCaption(PlaybackOrder order);
// The players' tip on the order: how an endless playback is stopped.
QString playbackOrderTip();

// One playback of frames, timed by a clock that the caller reads and hands in;
// nothing here waits. Each step comes more than the interval after the clock
// reading that took the step before, that is at least the interval plus one
// millisecond later, however late that reading was. The steps are the frames
// in order, then, played once, the end, one interval after the last frame, when
// the picture is cleared. Played over and over or back and forth there is no
// end and every step is a frame, until the player stops.
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
    FramePlayback(PlaybackFrames frames, int intervalMilliseconds, TimePoint start,
                  PlaybackOrder order = PlaybackOrder::Once);

    // The earliest reading at which the next step is taken.
    TimePoint due() const { return last_ + wait_; }
    // Takes the next step if it is due at the reading `now`, otherwise waits.
    // Once ended, every step is End. Frames that have run out (none at all, or
    // a start at or beyond the frame count) end every order.
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
    // The frames played, firstFrame + k * skipStep for k below this count.
    int sequenceLength() const;
    // Turns position_ back into the frames at a turn, or false at the end.
    bool turn();

    PlaybackOrder order_;
    int frameCount_;
    int firstFrame_;
    int skipStep_;
    std::chrono::milliseconds wait_;
    TimePoint last_;
    int position_ = 0; // the next frame is firstFrame_ + position_ * skipStep_
    bool backward_ = false;
    bool ended_ = false;
};

} // namespace common
