#include "common/WorkerPool.h"

#include "common/SpinWait.h"

#include <algorithm>
#include <chrono>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace common {

namespace {

// How long a waiting thread spins before it sleeps.
constexpr std::chrono::microseconds SpinTime{1000};

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
__attribute__((target("avx"))) void clearUpperHalvesWithAvx() {
    _mm256_zeroupper();
}

void clearUpperHalves() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        clearUpperHalvesWithAvx();
}
#else
void clearUpperHalves() {}
#endif

// Spins until `done()` holds or SpinTime has passed; says whether it holds.
template <typename Condition> bool spinAtMost(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + SpinTime;
    for (int spin = 1;; ++spin) {
        if (done())
            return true;
        spinPause();
        if (spin % 256 == 0) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            // More workers than cores: let the others run.
            std::this_thread::yield();
        }
    }
}

} // namespace

WorkerPool::WorkerPool(int workerCount) : workerCount_(std::max(workerCount, 1)) {
    threads_.reserve(static_cast<std::size_t>(workerCount_ - 1));
    for (int worker = 1; worker < workerCount_; ++worker)
        threads_.emplace_back([this, worker] { workLoop(worker); });
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_.store(true, std::memory_order_release);
    }
    taskReady_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

int WorkerPool::coreCount() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(cores);
}

void WorkerPool::runTask(TaskFunction function, void* task) {
    awaitTurn();
    if (!threads_.empty()) {
        bool anyAsleep = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            function_ = function;
            task_ = task;
            unfinished_.store(workerCount_ - 1, std::memory_order_relaxed);
            generation_.fetch_add(1, std::memory_order_release);
            anyAsleep = sleepers_ > 0;
        }
        if (anyAsleep)
            taskReady_.notify_all();
    }
    clearUpperHalves();
    function(task, 0);
    if (!threads_.empty())
        waitUntilFinished();
    endTurn();
}

void WorkerPool::awaitTurn() {
    std::unique_lock<std::mutex> lock(turnMutex_);
    const std::uint64_t turn = turnsGiven_++;
    turnOver_.wait(lock, [this, turn] { return turnsOver_ == turn; });
}

void WorkerPool::endTurn() {
    {
        std::lock_guard<std::mutex> lock(turnMutex_);
        ++turnsOver_;
    }
    turnOver_.notify_all();
}

void WorkerPool::waitUntilFinished() {
    const auto finished = [this] { return unfinished_.load(std::memory_order_acquire) == 0; };
    if (spinAtMost(finished))
        return;
    std::unique_lock<std::mutex> lock(mutex_);
    taskDone_.wait(lock, finished);
}

bool WorkerPool::waitForTask(std::uint64_t seen) {
    const auto ready = [this, seen] {
        return stopping_.load(std::memory_order_acquire) ||
               generation_.load(std::memory_order_acquire) != seen;
    };
    if (!spinAtMost(ready)) {
        std::unique_lock<std::mutex> lock(mutex_);
        ++sleepers_;
        taskReady_.wait(lock, ready);
        --sleepers_;
    }
    return !stopping_.load(std::memory_order_acquire);
}

void WorkerPool::workLoop(int worker) {
    std::uint64_t seen = 0;
    while (waitForTask(seen)) {
        TaskFunction function;
        void* task;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen = generation_.load(std::memory_order_relaxed);
            function = function_;
            task = task_;
        }
        function(task, worker);
        if (unfinished_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            // The caller may have gone to sleep meanwhile.
            std::lock_guard<std::mutex> lock(mutex_);
            taskDone_.notify_one();
        }
    }
}

} // namespace common
