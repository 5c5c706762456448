#pragma once

#include <cstdint>

namespace kirabellum {

// The canvas rows a plan's spark may touch, begin to end - 1, within the frame
// (whose size fits 16 bits).
struct RowRange {
    std::uint16_t begin, end;
};

// Writes to `listed`, in ascending order, the positions 0 to count - 1 whose
// rows overlap the band of rows bandBegin to bandEnd - 1, and returns how many
// there are; `listed` has room for `count`. Which side of a band's edge a
// spark lies on is anyone's guess, so no position takes a branch of its own:
// on processors with AVX2 eight positions are listed at a time.
int listOverlapping(const RowRange* rows, int count, int bandBegin, int bandEnd, int* listed);

} // namespace kirabellum
