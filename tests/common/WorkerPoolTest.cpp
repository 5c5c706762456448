#include "common/WorkerPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace common {
namespace {

TEST(WorkerPoolTest, EveryWorkerRunsEachTaskOnceWorkerZeroOnTheCaller) {
    // Tasks one after another find the pool's threads spinning; with a pause
    // in between they find them asleep.
    for (const std::chrono::milliseconds pause :
         {std::chrono::milliseconds(0), std::chrono::milliseconds(3)}) {
        for (int workers : {0, 1, 2, 3, 7}) {
            WorkerPool pool(workers);
            const int expected = std::max(workers, 1);
            EXPECT_EQ(pool.workerCount(), expected);
            const int tasks = pause.count() == 0 ? 50 : 5;
            for (int task = 0; task < tasks; ++task) {
                std::vector<std::atomic<int>> calls(static_cast<std::size_t>(expected));
                std::thread::id workerZero;
                auto count = [&](int worker) {
                    ++calls[static_cast<std::size_t>(worker)];
                    if (worker == 0)
                        workerZero = std::this_thread::get_id();
                };
                pool.run(count);
                for (const std::atomic<int>& called : calls)
                    ASSERT_EQ(called.load(), 1) << workers << " workers, task " << task;
                ASSERT_EQ(workerZero, std::this_thread::get_id());
                std::this_thread::sleep_for(pause);
            }
        }
    }
}

// Two threads hand in tasks at once: no call of one task overlaps a call of
// another, and every task runs on every worker.
TEST(WorkerPoolTest, TasksFromTwoThreadsTakeTurns) {
    WorkerPool pool(2);
    std::mutex mutex;
    int runningTask = -1; // the thread whose task has calls running
    int runningCalls = 0;
    bool overlapped = false;
    std::atomic<int> calls{0};
    const auto handIn = [&](int thread) {
        auto task = [&](int) {
            {
                const std::lock_guard<std::mutex> lock(mutex);
                overlapped = overlapped || (runningCalls > 0 && runningTask != thread);
                runningTask = thread;
                ++runningCalls;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(50));
            ++calls;
            const std::lock_guard<std::mutex> lock(mutex);
            --runningCalls;
        };
        for (int index = 0; index < 100; ++index)
            pool.run(task);
    };
    std::thread other(handIn, 1);
    handIn(0);
    other.join();
    EXPECT_FALSE(overlapped);
    EXPECT_EQ(calls.load(), 2 * 100 * 2);
}

} // namespace
} // namespace common
