#include "core/render/BandHandover.h"

#include "common/SpinWait.h"

#include <algorithm>

namespace kirabellum {

namespace {

constexpr std::uint64_t HandedOverBit = std::uint64_t{1} << 63;
constexpr std::uint64_t RowsBeforeBit = std::uint64_t{1} << 62;
constexpr int SplitShift = 32;

int claimedChunks(std::uint64_t state) {
    return static_cast<int>(static_cast<std::uint32_t>(state));
}

} // namespace

void BandHandover::reset() {
    state_.store(0, std::memory_order_relaxed);
    chunkCount_.store(0, std::memory_order_relaxed);
    finished_.store(0, std::memory_order_relaxed);
}

void BandHandover::start(int chunkCount) {
    // Publishes the band's faded rows and its list of plans with it.
    chunkCount_.store(chunkCount, std::memory_order_release);
}

int BandHandover::claim() {
    const int chunkCount = chunkCount_.load(std::memory_order_relaxed);
    std::uint64_t state = state_.load(std::memory_order_relaxed);
    for (;;) {
        const int chunk = claimedChunks(state);
        if ((state & HandedOverBit) != 0 || chunk >= chunkCount)
            return -1;
        // Acquire: after a handover, the holder stamps on its own side only.
        if (state_.compare_exchange_weak(state, state + 1, std::memory_order_acquire,
                                         std::memory_order_acquire))
            return chunk;
    }
}

void BandHandover::finished(int chunk) {
    finished_.store(chunk + 1, std::memory_order_release);
}

int BandHandover::takeOver(int split, bool takesRowsBefore, int leastPart) {
    const int chunkCount = chunkCount_.load(std::memory_order_acquire);
    if (chunkCount == 0)
        return -1;
    const int leastLeft = std::max(2, chunkCount / leastPart);
    std::uint64_t state = state_.load(std::memory_order_relaxed);
    for (;;) {
        const int first = claimedChunks(state);
        if ((state & HandedOverBit) != 0 || chunkCount - first < leastLeft)
            return -1;
        const std::uint64_t handed = state | HandedOverBit | (takesRowsBefore ? RowsBeforeBit : 0) |
                                     static_cast<std::uint64_t>(split) << SplitShift;
        if (state_.compare_exchange_weak(state, handed, std::memory_order_acq_rel,
                                         std::memory_order_relaxed))
            return first;
    }
}

void BandHandover::awaitHolder(int chunk) const {
    common::spinUntil([&] { return finished_.load(std::memory_order_acquire) >= chunk; });
}

bool BandHandover::handedOver() const {
    return (state_.load(std::memory_order_acquire) & HandedOverBit) != 0;
}

int BandHandover::handedOverFrom() const {
    return claimedChunks(state_.load(std::memory_order_acquire));
}

int BandHandover::split() const {
    return static_cast<int>((state_.load(std::memory_order_acquire) >> SplitShift) & 0xffff);
}

bool BandHandover::takenRowsBefore() const {
    return (state_.load(std::memory_order_acquire) & RowsBeforeBit) != 0;
}

} // namespace kirabellum
