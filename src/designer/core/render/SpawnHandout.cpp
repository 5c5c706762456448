#include "core/render/SpawnHandout.h"

namespace kirabellum {

void SpawnHandout::reset() {
    lastSerial_ = 0;
    open_.store(0, std::memory_order_relaxed);
    joined_.store(0, std::memory_order_relaxed);
    finished_.store(false, std::memory_order_relaxed);
}

void SpawnHandout::open(int runCount, bool fromFront) {
    runs_.reset(runCount);
    spawnerFromFront_ = fromFront;
    // Publishes the runs and what they need with it.
    open_.store(++lastSerial_, std::memory_order_seq_cst);
}

int SpawnHandout::take() {
    return takeFrom(true);
}

int SpawnHandout::takeFrom(bool spawnerEnd) {
    return spawnerEnd == spawnerFromFront_ ? runs_.takeFront() : runs_.takeBack();
}

void SpawnHandout::close() {
    // A helper either joined before the spawn closed, and is waited for, or
    // finds it closed: joining and closing are each one store and one load in
    // a single order (seq_cst) that every thread sees.
    open_.store(0, std::memory_order_seq_cst);
    common::spinUntil([this] { return joined_.load(std::memory_order_seq_cst) == 0; });
}

void SpawnHandout::finish() {
    finished_.store(true, std::memory_order_release);
}

bool SpawnHandout::join(int serial) {
    joined_.fetch_add(1, std::memory_order_seq_cst);
    return open_.load(std::memory_order_seq_cst) == serial;
}

void SpawnHandout::leave() {
    // Publishes the particles spawned.
    joined_.fetch_sub(1, std::memory_order_release);
}

} // namespace kirabellum
