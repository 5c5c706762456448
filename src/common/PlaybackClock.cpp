#include "common/PlaybackClock.h"

#include <thread>

namespace common {

namespace {

// How long before the end of a wait the sleeping stops and the spinning starts.
constexpr std::chrono::milliseconds SpinStretch(2);

} // namespace

PlaybackClock::TimePoint PlaybackClock::now() {
    return std::chrono::steady_clock::now();
}

PlaybackClock::TimePoint PlaybackClock::waitUntil(TimePoint due) {
    if (now() < due - SpinStretch)
        std::this_thread::sleep_until(due - SpinStretch);
    TimePoint reading = now();
    while (reading < due)
        reading = now();
    return reading;
}

} // namespace common
