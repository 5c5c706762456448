#include "common/WorkerBarrier.h"

#include "common/SpinWait.h"

namespace common {

void WorkerBarrier::arriveAndWait() {
    const unsigned round = round_.load(std::memory_order_acquire);
    if (arrived_.fetch_add(1, std::memory_order_acq_rel) + 1 == workerCount_) {
        arrived_.store(0, std::memory_order_relaxed);
        round_.store(round + 1, std::memory_order_release);
        return;
    }
    spinUntil([&] { return round_.load(std::memory_order_acquire) != round; });
}

} // namespace common
