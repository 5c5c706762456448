#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace common {

// A fixed set of threads that run one task together and wait for the next. The
// threads are started with the pool and stopped when it is destroyed; running a
// task starts no thread and allocates nothing.
//
// The calling thread only hands out the task and waits: it is usually the
// window thread, whose processor state other code may have left in a slow mode
// (x86 processors run SSE code markedly slower after AVX code that did not clear
// the upper halves of its registers, which Qt's image fills are seen to do). The
// pool's threads run nothing but the tasks, so they keep full speed.
class WorkerPool {
public:
    // `workerCount` below 1 counts as 1.
    explicit WorkerPool(int workerCount);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int workerCount() const { return workerCount_; }

    // Calls task(worker) once for each worker 0 to workerCount() - 1, all at the
    // same time, and returns when every call has returned.
    template <typename Task> void run(Task& task) { runTask(&callTask<Task>, &task); }

private:
    using TaskFunction = void (*)(void* task, int worker);

    template <typename Task> static void callTask(void* task, int worker) {
        (*static_cast<Task*>(task))(worker);
    }

    void runTask(TaskFunction function, void* task);
    void workLoop(int worker);

    int workerCount_;
    std::mutex mutex_;
    std::condition_variable taskReady_;
    std::condition_variable taskDone_;
    TaskFunction function_ = nullptr;
    void* task_ = nullptr;
    std::uint64_t generation_ = 0; // counts the tasks handed out
    int unfinished_ = 0;           // workers still working on the current task
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace common
