#include "common/WorkerBarrier.h"

#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace common {

namespace {

void pause() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#endif
}

} // namespace

void WorkerBarrier::arriveAndWait() {
    const unsigned round = round_.load(std::memory_order_acquire);
    if (arrived_.fetch_add(1, std::memory_order_acq_rel) + 1 == workerCount_) {
        arrived_.store(0, std::memory_order_relaxed);
        round_.store(round + 1, std::memory_order_release);
        return;
    }
    for (int spin = 0; round_.load(std::memory_order_acquire) == round; ++spin) {
        if (spin < 4096)
            pause();
        else
            std::this_thread::yield();
    }
}

} // namespace common
