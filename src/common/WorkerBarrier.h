#pragma once

#include <atomic>

namespace common {

// A meeting point inside one task of a WorkerPool: every worker waits there
// until all of them have arrived. The workers are running at that moment, so
// they wait by spinning, which costs microseconds where sleeping and waking
// costs a good part of a millisecond; a worker that waits long (more workers
// than cores) lets the others run.
class WorkerBarrier {
public:
    explicit WorkerBarrier(int workerCount) : workerCount_(workerCount) {}

    void arriveAndWait();

private:
    const int workerCount_;
    std::atomic<int> arrived_{0};
    std::atomic<unsigned> round_{0}; // counts the times every worker has arrived
};

} // namespace common
