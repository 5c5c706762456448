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
// was done when: "frame@millisecond" for each frame shown, then "end@...";
// at most `maximumSteps` of them.
std::vector<std::string> play(PlaybackFrames frames, int interval, int showing = 0,
                              PlaybackOrder order = PlaybackOrder::Once,
                              std::size_t maximumSteps = 1000) {
    FramePlayback playback(frames, interval, at(0), order);
    std::vector<std::string> steps;
    for (int now = 0; now < 100000 && steps.size() < maximumSteps;) {
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

TEST(FramePlayback, RepeatAndPingPongRunOnWithoutAnEndOrAnExtraWait) {
    using Order = PlaybackOrder;
    const struct {
        PlaybackFrames frames;
        Order order;
        std::vector<std::string> steps;
    } cases[] = {
        {{1, 0, 1}, Order::Repeat, {"0@18", "0@36", "0@54", "0@72"}},
        {{1, 0, 1}, Order::PingPong, {"0@18", "0@36", "0@54", "0@72"}},
        {{2, 0, 1}, Order::Repeat, {"0@18", "1@36", "0@54", "1@72", "0@90"}},
        {{2, 0, 1}, Order::PingPong, {"0@18", "1@36", "0@54", "1@72", "0@90"}},
        {{5, 0, 1},
         Order::Repeat,
         {"0@18", "1@36", "2@54", "3@72", "4@90", "0@108", "1@126", "2@144", "3@162", "4@180",
          "0@198"}},
        {{5, 0, 1},
         Order::PingPong,
         {"0@18", "1@36", "2@54", "3@72", "4@90", "3@108", "2@126", "1@144", "0@162", "1@180",
          "2@198", "3@216", "4@234", "3@252"}},
        // Skipping: the frames of the step from the start frame, and their
        // last one is the turning point.
        {{10, 1, 3}, Order::Repeat, {"1@18", "4@36", "7@54", "1@72", "4@90", "7@108"}},
        {{10, 1, 3}, Order::PingPong, {"1@18", "4@36", "7@54", "4@72", "1@90", "4@108", "7@126"}},
        {{5, 0, 2}, Order::PingPong, {"0@18", "2@36", "4@54", "2@72", "0@90", "2@108"}},
        {{5, 3, 2}, Order::PingPong, {"3@18", "3@36", "3@54"}},
        // No frames to play end every order as they end a single playback.
        {{0, 0, 1}, Order::Repeat, {"end@18"}},
        {{5, 5, 1}, Order::PingPong, {"end@18"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(play(c.frames, 17, 0, c.order, c.steps.size()), c.steps)
            << c.frames.frameCount << " frames from " << c.frames.firstFrame << " by "
            << c.frames.skipStep << ", order " << static_cast<int>(c.order);
}

TEST(FramePlayback, OnlyOncePlaybackEnds) {
    for (const PlaybackOrder order :
         {PlaybackOrder::Once, PlaybackOrder::Repeat, PlaybackOrder::PingPong}) {
        FramePlayback playback({3, 0, 1}, 17, at(0), order);
        for (int now = 0; now <= 18 * 30; now += 18)
            playback.step(at(now));
        EXPECT_EQ(playback.ended(), order == PlaybackOrder::Once) << static_cast<int>(order);
    }
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

TEST(FramePlayback, PingPongTurnsAtAFrameCountChangedBetweenFrames) {
    const struct {
        int changeAfter, newCount;
        std::vector<int> frames;
    } cases[] = {
        {1, 5, {0, 1, 2, 3, 4, 3, 2, 1, 0, 1}}, // grown going forward
        {3, 2, {0, 1, 2, 1, 0, 1, 0, 1, 0, 1}}, // shrunk below the frame shown
        {5, 6, {0, 1, 2, 3, 2, 1, 0, 1, 2, 3}}, // grown going back: turns at 0
        {5, 2, {0, 1, 2, 3, 2, 1, 0, 1, 0, 1}}, // shrunk going back
    };
    for (const auto& c : cases) {
        FramePlayback playback({4, 0, 1}, 17, at(0), PlaybackOrder::PingPong);
        std::vector<int> frames;
        for (int now = 18; frames.size() < c.frames.size(); now += 18) {
            frames.push_back(playback.step(at(now)).frame);
            if (frames.size() == static_cast<std::size_t>(c.changeAfter))
                playback.setFrameCount(c.newCount);
        }
        EXPECT_EQ(frames, c.frames) << c.changeAfter << " " << c.newCount;
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
