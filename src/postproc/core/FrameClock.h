#pragma once

#include <chrono>

namespace koratune {

// The clock that times playback: each frame is shown more than the interval
// after the previous one, that is at least the interval plus one millisecond.
class FrameClock {
public:
    using Clock = std::chrono::steady_clock;

    // Waits until at least `intervalMilliseconds` + 1 ms have passed since
    // `last` and returns the clock value read at that moment. It sleeps for
    // most of the wait and spins on the clock for the last stretch, so the
    // interval holds to well within a millisecond without burning a core.
    static Clock::time_point waitPast(Clock::time_point last, int intervalMilliseconds);
};

} // namespace koratune
