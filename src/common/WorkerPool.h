#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace common {

// A fixed set of threads that run one task together and wait for the next. The
// calling thread is worker 0; workers 1 and up are threads started with the pool
// and stopped when it is destroyed. Running a task starts no thread and
// allocates nothing.
//
// Between tasks the pool's threads first wait by spinning for about a
// millisecond, then sleep: a thread that went to sleep, and the core it leaves
// idle, can take a good part of a millisecond to wake, which tasks handed out
// one frame after another would pay each time.
//
// Several threads may share one pool: their tasks run one after the other, in
// the order they were handed in, each on all the workers.
//
// The calling thread is usually the window thread, whose processor state other
// code may have left in a slow mode (x86 processors run SSE code markedly slower
// after AVX code that did not clear the upper halves of its registers, which
// Qt's image fills are seen to do): it clears them before taking its share.
class WorkerPool {
public:
    // `workerCount` below 1 counts as 1.
    explicit WorkerPool(int workerCount);
    // The number of cores, 1 when it cannot be told.
    static int coreCount();
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int workerCount() const { return workerCount_; }

    // Calls task(worker) once for each worker 0 to workerCount() - 1, all at the
    // same time, worker 0 on the calling thread, and returns when every call has
    // returned. A task handed in while another thread's runs waits for it.
    template <typename Task> void run(Task& task) { runTask(&callTask<Task>, &task); }

private:
    using TaskFunction = void (*)(void* task, int worker);

    template <typename Task> static void callTask(void* task, int worker) {
        (*static_cast<Task*>(task))(worker);
    }

    void runTask(TaskFunction function, void* task);
    void awaitTurn();
    void endTurn();
    void workLoop(int worker);
    // Waits for a task after `seen` and returns false when the pool stops.
    bool waitForTask(std::uint64_t seen);
    void waitUntilFinished();

    int workerCount_;
    std::mutex mutex_;
    std::condition_variable taskReady_;
    std::condition_variable taskDone_;
    TaskFunction function_ = nullptr;
    void* task_ = nullptr;
    std::atomic<std::uint64_t> generation_{0}; // counts the tasks handed out
    std::atomic<int> unfinished_{0};           // pool threads still working on the current task
    std::atomic<bool> stopping_{false};
    int sleepers_ = 0; // pool threads asleep on taskReady_, guarded by mutex_
    std::vector<std::thread> threads_;
    // The callers' turns: the n-th task handed in runs once n - 1 have run.
    std::mutex turnMutex_;
    std::condition_variable turnOver_;
    std::uint64_t turnsGiven_ = 0;
    std::uint64_t turnsOver_ = 0;
};

} // namespace common
