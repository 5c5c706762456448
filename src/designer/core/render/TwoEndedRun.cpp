#include "core/render/TwoEndedRun.h"

namespace kirabellum {

namespace {

std::uint64_t packEnds(std::uint32_t front, std::uint32_t back) {
    return static_cast<std::uint64_t>(front) << 32 | back;
}

} // namespace

void TwoEndedRun::reset(int chunkCount) {
    ends_.store(packEnds(0, static_cast<std::uint32_t>(chunkCount)), std::memory_order_relaxed);
}

int TwoEndedRun::takeFront() {
    return take(true);
}

int TwoEndedRun::takeBack() {
    return take(false);
}

int TwoEndedRun::take(bool fromFront) {
    std::uint64_t ends = ends_.load(std::memory_order_relaxed);
    for (;;) {
        const auto front = static_cast<std::uint32_t>(ends >> 32);
        const auto back = static_cast<std::uint32_t>(ends);
        if (front >= back)
            return -1;
        const std::uint32_t taken = fromFront ? front : back - 1;
        const std::uint64_t left =
            fromFront ? packEnds(front + 1, back) : packEnds(front, back - 1);
        if (ends_.compare_exchange_weak(ends, left, std::memory_order_relaxed))
            return static_cast<int>(taken);
    }
}

} // namespace kirabellum
