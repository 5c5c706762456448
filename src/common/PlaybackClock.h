#pragma once

#include <chrono>

namespace common {

// The clock that times playback in the windows: std::chrono::steady_clock.
// The players read it and wait on it between frames; tests hand the players a
// clock of their own that moves only when waited on.
class PlaybackClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~PlaybackClock() = default;

    virtual TimePoint now();
    // Waits until `due` and returns the reading that ended the wait, at or
    // after `due`. It sleeps for most of the wait and spins on the clock for
    // the last stretch, so a frame comes within well under a millisecond of
    // its time without the wait burning a core. Pending events are not
    // processed meanwhile.
    virtual TimePoint waitUntil(TimePoint due);
};

} // namespace common
