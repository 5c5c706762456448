#include "core/render/TwoEndedRun.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace kirabellum {
namespace {

TEST(TwoEndedRunTest, EachEndTakesInItsOwnOrderUntilTheyMeet) {
    TwoEndedRun run;
    run.reset(4);
    EXPECT_EQ(run.takeFront(), 0);
    EXPECT_EQ(run.takeBack(), 3);
    EXPECT_EQ(run.takeBack(), 2);
    EXPECT_EQ(run.takeFront(), 1);
    EXPECT_EQ(run.takeFront(), -1);
    EXPECT_EQ(run.takeBack(), -1);
    run.reset(0);
    EXPECT_EQ(run.takeBack(), -1);
}

TEST(TwoEndedRunTest, TwoWorkersAtOnceTakeEveryChunkOnceEachOnItsSide) {
    constexpr int Chunks = 20000;
    TwoEndedRun run;
    run.reset(Chunks);
    std::vector<int> front, back;
    std::thread other([&] {
        for (int chunk = run.takeBack(); chunk >= 0; chunk = run.takeBack())
            back.push_back(chunk);
    });
    for (int chunk = run.takeFront(); chunk >= 0; chunk = run.takeFront())
        front.push_back(chunk);
    other.join();
    // The front took 0, 1, ... and the back Chunks - 1, Chunks - 2, ...: every
    // chunk exactly once.
    ASSERT_EQ(front.size() + back.size(), static_cast<std::size_t>(Chunks));
    for (std::size_t index = 0; index < front.size(); ++index)
        EXPECT_EQ(front[index], static_cast<int>(index));
    for (std::size_t index = 0; index < back.size(); ++index)
        EXPECT_EQ(back[index], Chunks - 1 - static_cast<int>(index));
}

} // namespace
} // namespace kirabellum
