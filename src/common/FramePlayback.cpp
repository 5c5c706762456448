#include "common/FramePlayback.h"

#include "common/Rounding.h"

#include <algorithm>

namespace common {

int PlayInterval(int option) {
    // Even options halve 60 frames per second step by step, odd ones 40; so
    // "15fps" runs at 20 and "10fps" at about 13.3.
    if (option % 2 == 0)
        return nearest(1000.0 / (60.0 / (option / 2.0 + 1.0)));
    return nearest(1000.0 / (40.0 / ((option - 1) / 2.0 + 1.0)));
}

int captionedFrameRate(int option) {
    constexpr int rates[RefreshRateOptionCount] = {60, 40, 30, 20, 15, 10};
    if (option < 0 || option >= RefreshRateOptionCount)
        option = StartRefreshRateOption;
    return rates[option];
}

FramePlayback::FramePlayback(PlaybackFrames frames, int intervalMilliseconds, TimePoint start)
    : frameCount_(frames.frameCount), skipStep_(std::max(1, frames.skipStep)),
      // Waiting until more than the interval has passed on a millisecond clock
      // is waiting for at least one millisecond more.
      wait_(intervalMilliseconds + 1), last_(start), next_(std::max(0, frames.firstFrame)) {}

FramePlayback::Step FramePlayback::step(TimePoint now) {
    if (ended_)
        return {Action::End, -1};
    if (now < due())
        return {Action::Wait, -1};
    last_ = now;
    if (next_ >= frameCount_) {
        ended_ = true;
        return {Action::End, -1};
    }
    const int frame = next_;
    next_ += skipStep_;
    return {Action::Show, frame};
}

QString FramePlayback::caption(int frame, int frameCount) {
    return QStringLiteral("%1/%2").arg(frame + 1).arg(frameCount);
}

} // namespace common
