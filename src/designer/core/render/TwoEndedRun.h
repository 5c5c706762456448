#pragma once

#include <atomic>
#include <cstdint>

namespace kirabellum {

// A run of chunks of work that two workers share from opposite ends: the one
// on its left takes chunks from its front, the one on its right from its back,
// until they meet. Whichever is through with its own work first takes the more
// of it, and each stays on its own side of the run, next to its own work.
// Taking is safe from any number of workers at once; reset() is not.
class TwoEndedRun {
public:
    void reset(int chunkCount);
    // The chunk taken, or -1 once every chunk is taken.
    int takeFront();
    int takeBack();

private:
    int take(bool fromFront);

    // The first chunk not taken from the front in the high half, and one past
    // the last not taken from the back in the low half.
    std::atomic<std::uint64_t> ends_{0};
};

} // namespace kirabellum
