#include "common/WorkerPool.h"

#include <algorithm>

namespace common {

WorkerPool::WorkerPool(int workerCount) : workerCount_(std::max(workerCount, 1)) {
    threads_.reserve(static_cast<std::size_t>(workerCount_));
    for (int worker = 0; worker < workerCount_; ++worker)
        threads_.emplace_back([this, worker] { workLoop(worker); });
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    taskReady_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void WorkerPool::runTask(TaskFunction function, void* task) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        function_ = function;
        task_ = task;
        unfinished_ = workerCount_;
        ++generation_;
    }
    taskReady_.notify_all();
    std::unique_lock<std::mutex> lock(mutex_);
    taskDone_.wait(lock, [this] { return unfinished_ == 0; });
}

void WorkerPool::workLoop(int worker) {
    std::uint64_t seen = 0;
    for (;;) {
        TaskFunction function;
        void* task;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            taskReady_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_)
                return;
            seen = generation_;
            function = function_;
            task = task_;
        }
        function(task, worker);
        bool last;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            last = --unfinished_ == 0;
        }
        if (last)
            taskDone_.notify_one();
    }
}

} // namespace common
