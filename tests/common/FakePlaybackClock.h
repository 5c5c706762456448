#pragma once

#include "common/PlaybackClock.h"

#include <algorithm>
#include <vector>

namespace common {

// A playback clock for window tests: it stands still until waited on, and then
// moves on to the time due at once. It records how long every wait lasted, so a
// test sees the intervals a player kept without waiting for them.
class FakePlaybackClock : public PlaybackClock {
public:
    TimePoint now() override { return now_; }
    TimePoint waitUntil(TimePoint due) override {
        const TimePoint reading = std::max(now_, due);
        waits_.push_back(static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(reading - now_).count()));
        now_ = reading;
        return now_;
    }

    // How many milliseconds each wait lasted.
    const std::vector<int>& waits() const { return waits_; }
    void clearWaits() { waits_.clear(); }

private:
    TimePoint now_;
    std::vector<int> waits_;
};

} // namespace common
