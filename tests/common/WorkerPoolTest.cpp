#include "common/WorkerPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <vector>

namespace common {
namespace {

TEST(WorkerPoolTest, EveryWorkerRunsEachTaskOnce) {
    for (int workers : {0, 1, 2, 3, 7}) {
        WorkerPool pool(workers);
        const int expected = std::max(workers, 1);
        EXPECT_EQ(pool.workerCount(), expected);
        for (int task = 0; task < 50; ++task) {
            std::vector<std::atomic<int>> calls(static_cast<std::size_t>(expected));
            auto count = [&calls](int worker) { ++calls[static_cast<std::size_t>(worker)]; };
            pool.run(count);
            for (const std::atomic<int>& called : calls)
                ASSERT_EQ(called.load(), 1) << workers << " workers, task " << task;
        }
    }
}

} // namespace
} // namespace common
