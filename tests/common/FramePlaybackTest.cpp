#include "common/FramePlayback.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace common {
namespace {

using std::chrono::milliseconds;
using Action = FramePlayback::Action;

FramePlayback::TimePoint at(int millisecond) {
    return FramePlayback::TimePoint() + milliseconds(millisecond);
}

// Plays on a millisecond clock that reads 0 at the start and moves on by one
// millisecond per reading while the player waits. Showing a frame and
// processing the events after it takes `showing` milliseconds. Returns what
// was done when: "frame@millisecond" for each frame shown, then "end@...".
std::vector<std::string> play(PlaybackFrames frames, int interval, int showing = 0) {
    FramePlayback playback(frames, interval, at(0));
    std::vector<std::string> steps;
    for (int now = 0; now < 100000;) {
        const FramePlayback::Step step = playback.step(at(now));
        if (step.action == Action::End) {
            steps.push_back("end@" + std::to_string(now));
            break;
        }
        if (step.action == Action::Show) {
            steps.push_back(std::to_string(step.frame) + "@" + std::to_string(now));
            now += showing;
        } else {
            ++now;
        }
    }
    return steps;
}

TEST(FramePlayback, ShowsEachFrameMoreThanTheIntervalAfterTheOneBeforeThenEnds) {
    const struct {
        PlaybackFrames frames;
        int interval, showing;
        std::vector<std::string> steps;
    } cases[] = {
        {{4, 0, 1}, 17, 0, {"0@18", "1@36", "2@54", "3@72", "end@90"}},
        {{10, 0, 3}, 50, 0, {"0@51", "3@102", "6@153", "9@204", "end@255"}},
        {{10, 9, 1}, 75, 0, {"9@76", "end@152"}},
        {{7, 2, 2}, 25, 0, {"2@26", "4@52", "6@78", "end@104"}},
        {{0, 0, 1}, 17, 0, {"end@18"}},
        {{5, 5, 1}, 33, 0, {"end@34"}},
        // Showing within the interval does not delay the next frame...
        {{3, 0, 1}, 17, 5, {"0@18", "1@36", "2@54", "end@72"}},
        // ...but a longer stretch (a render run between two frames) does, and
        // the frames after it keep their full intervals.
        {{3, 0, 1}, 17, 30, {"0@18", "1@48", "2@78", "end@108"}},
        // No step below one frame, no frame before the first.
        {{3, -2, 0}, 17, 0, {"0@18", "1@36", "2@54", "end@72"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(play(c.frames, c.interval, c.showing), c.steps)
            << c.frames.frameCount << " frames from " << c.frames.firstFrame << " by "
            << c.frames.skipStep << ", interval " << c.interval << ", showing " << c.showing;
}

TEST(FramePlayback, AnEarlyReadingWaitsAndAnEndedPlaybackStaysEnded) {
    FramePlayback playback({1, 0, 1}, 17, at(100));
    EXPECT_EQ(playback.due(), at(118));
    EXPECT_EQ(playback.step(at(117)).action, Action::Wait);
    EXPECT_EQ(playback.step(at(50)).action, Action::Wait);
    EXPECT_EQ(playback.due(), at(118));
    const FramePlayback::Step first = playback.step(at(120));
    EXPECT_EQ(first.action, Action::Show);
    EXPECT_EQ(first.frame, 0);
    EXPECT_EQ(playback.due(), at(138)) << "counted from the reading, not from the time due";
    EXPECT_FALSE(playback.ended());
    EXPECT_EQ(playback.step(at(138)).action, Action::End);
    EXPECT_TRUE(playback.ended());
    EXPECT_EQ(playback.step(at(1000)).action, Action::End);
}

TEST(FramePlayback, RunsOnToAFrameCountChangedBetweenFrames) {
    const struct {
        int newCount;
        std::vector<int> frames;
    } cases[] = {{5, {0, 1, 2, 3, 4}}, {1, {0, 1}}};
    for (const auto& c : cases) {
        FramePlayback playback({3, 0, 1}, 17, at(0));
        std::vector<int> frames;
        for (int now = 0; !playback.ended(); now += 18) {
            const FramePlayback::Step step = playback.step(at(now));
            if (step.action != Action::Show)
                continue;
            frames.push_back(step.frame);
            if (step.frame == 1)
                playback.setFrameCount(c.newCount);
        }
        EXPECT_EQ(frames, c.frames) << c.newCount;
        EXPECT_EQ(playback.frameCount(), c.newCount);
    }
}

TEST(FramePlayback, IntervalsOfTheRefreshRateOptions) {
    std::vector<int> intervals;
    for (int option = 0; option < RefreshRateOptionCount; ++option)
        intervals.push_back(PlayInterval(option));
    EXPECT_EQ(intervals, (std::vector<int>{17, 25, 33, 50, 50, 75}));
}

TEST(FramePlayback, Captions) {
    EXPECT_EQ(FramePlayback::caption(0, 10), QStringLiteral("1/10"));
    EXPECT_EQ(FramePlayback::caption(9, 10), QStringLiteral("10/10"));
    EXPECT_EQ(FramePlayback::caption(250, 256), QStringLiteral("251/256"));
    EXPECT_EQ(FramePlayback::idleCaption(), QStringLiteral("Preview"));
}

} // namespace
} // namespace common
