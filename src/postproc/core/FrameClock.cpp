#include "core/FrameClock.h"

#include <thread>

namespace koratune {

namespace {

// How long before the end of a wait the sleeping stops and the spinning starts.
constexpr std::chrono::milliseconds SpinStretch(2);

} // namespace

FrameClock::Clock::time_point FrameClock::waitPast(Clock::time_point last,
                                                   int intervalMilliseconds) {
    const Clock::time_point due = last + std::chrono::milliseconds(intervalMilliseconds + 1);
    if (Clock::now() < due - SpinStretch)
        std::this_thread::sleep_until(due - SpinStretch);
    Clock::time_point now = Clock::now();
    while (now < due)
        now = Clock::now();
    return now;
}

} // namespace koratune
