#pragma once

#include <atomic>
#include <cstdint>

namespace kirabellum {

// One band's plans, stamped chunk by chunk by the worker that holds the band,
// of which a worker through with its own work may take over the rows on one
// side of a row, for the chunks the holder has not started yet: the holder
// then stamps those chunks on its own side only. Every canvas pixel still
// gets its additions in slot order: the chunks before the handover from the
// holder, the rest from whichever worker holds its row. Taken over only when
// enough is left to outweigh what it costs (the rows are in the holder's
// caches, and the sparks crossing the row are visited from both sides).
//
// reset() before the band is started, start() by the holder once its chunks
// are listed; the rest is safe from any number of workers at once.
class BandHandover {
public:
    // The band is not started: nothing to take over.
    void reset();
    // The holder has listed `chunkCount` chunks and faded the band's rows.
    void start(int chunkCount);

    // The holder: the next chunk to stamp on the whole band, or -1 when none
    // is left or the rest was handed over (see handedOver()).
    int claim();
    // The holder has stamped chunks 0 to `chunk` on the whole band.
    void finished(int chunk);

    // A worker through with its own: takes over the chunks not yet claimed, on
    // the rows before `split` (or from `split` on when takesRowsBefore is
    // false), when one in `leastPart` of the band's chunks or more are left,
    // two at least, and no one has taken them over yet. Returns the first
    // chunk taken over, or -1; before stamping it, awaitHolder(that chunk).
    int takeOver(int split, bool takesRowsBefore, int leastPart);
    // Waits until the holder has stamped every chunk before `chunk`.
    void awaitHolder(int chunk) const;

    // After claim() returned -1: whether the rest was handed over, from which
    // chunk on, and which rows the one taking over stamps.
    bool handedOver() const;
    int handedOverFrom() const;
    int split() const;
    bool takenRowsBefore() const;

private:
    // The chunks claimed in the low 32 bits; once handed over, bit 63, the
    // rows taken in bit 62 and the split row in bits 32 to 47.
    std::atomic<std::uint64_t> state_{0};
    std::atomic<int> chunkCount_{0}; // 0 until started
    std::atomic<int> finished_{0};   // chunks the holder has stamped on the whole band
};

} // namespace kirabellum
