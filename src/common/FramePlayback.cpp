#include "common/FramePlayback.h"

#include <QCoreApplication>

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

QString playbackOrderCaption(PlaybackOrder order) {
    switch (order) {
    case PlaybackOrder::Once:
        return QCoreApplication::translate("common::FramePlayback", "1回");
    case PlaybackOrder::Repeat:
        return QCoreApplication::translate("common::FramePlayback", "繰り返し");
    case PlaybackOrder::PingPong:
        return QCoreApplication::translate("common::FramePlayback", "往復");
    }
    return {};
}

QString playbackOrderTip() {
    return QCoreApplication::translate(
        "common::FramePlayback",
        "繰り返しと往復は、もう一度プレビューを押すか、ウィンドウを閉じると止まります");
}

FramePlayback::FramePlayback(PlaybackFrames frames, int intervalMilliseconds, TimePoint start,
                             PlaybackOrder order)
    : order_(order), frameCount_(frames.frameCount), firstFrame_(std::max(0, frames.firstFrame)),
      skipStep_(std::max(1, frames.skipStep)),
      // Waiting until more than the interval has passed on a millisecond clock
      // is waiting for at least one millisecond more.
      wait_(intervalMilliseconds + 1), last_(start) {}

int FramePlayback::sequenceLength() const {
    if (frameCount_ <= firstFrame_)
        return 0;
    return (frameCount_ - firstFrame_ - 1) / skipStep_ + 1;
}

bool FramePlayback::turn() {
    const int length = sequenceLength();
    if (length == 0)
        return false;
    if (position_ < 0) {
        // Back at the first frame, which was just shown: forward again.
        backward_ = false;
        position_ = std::min(1, length - 1);
    } else if (position_ >= length) {
        if (order_ == PlaybackOrder::Once)
            return false;
        if (order_ == PlaybackOrder::Repeat || length == 1) {
            position_ = 0;
        } else if (backward_) {
            // The strip was rendered anew with fewer frames while going back.
            position_ = length - 1;
        } else {
            // Back from the last frame, just shown, or from a frame beyond a
            // strip rendered anew with fewer frames.
            backward_ = true;
            position_ = position_ == length ? length - 2 : length - 1;
        }
    }
    return true;
}

FramePlayback::Step FramePlayback::step(TimePoint now) {
    if (ended_)
        return {Action::End, -1};
    if (now < due())
        return {Action::Wait, -1};
    last_ = now;
    if (!turn()) {
        ended_ = true;
        return {Action::End, -1};
    }
    const int frame = firstFrame_ + position_ * skipStep_;
    position_ += backward_ ? -1 : 1;
    return {Action::Show, frame};
}

QString FramePlayback::caption(int frame, int frameCount) {
    return QStringLiteral("%1/%2").arg(frame + 1).arg(frameCount);
}

} // namespace common
