#pragma once

#include "common/SpinWait.h"
#include "core/render/TwoEndedRun.h"

#include <atomic>

namespace kirabellum {

// The runs of one spawn after another, shared out within one task: the worker
// that spawns opens each spawn and takes its runs from one end, and the
// workers through with the rest of the task's work help with whatever spawn
// is open, taking its runs from the other end, until the spawning worker is
// finished. A helper reads what a spawn's runs need once it has joined it,
// and the spawning worker changes it again only after closing the spawn.
//
// reset() before the task; the rest is safe from any number of workers at once.
class SpawnHandout {
public:
    // No spawn opened yet, nor finished.
    void reset();

    // The spawning worker: opens a spawn of `runCount` runs, of which it takes
    // the first ones when `fromFront`, and the last ones otherwise.
    void open(int runCount, bool fromFront);
    // The spawning worker: its next run, or -1 once every run is taken.
    int take();
    // The spawning worker, every run taken: waits until the helpers have spawned
    // the runs they took.
    void close();
    // The spawning worker: no more spawns in this task.
    void finish();

    // A helper: calls spawnRun(run) for each run it takes of every spawn opened
    // until the spawning worker is finished.
    template <typename SpawnRun> void help(SpawnRun spawnRun);

private:
    // Joins spawn `serial`: true while it is still open, and then the spawning
    // worker waits for leave().
    bool join(int serial);
    void leave();
    // The next run from the spawning worker's end of the spawn, or from the other.
    int takeFrom(bool spawnerEnd);

    TwoEndedRun runs_;
    int lastSerial_ = 0;           // the spawning worker's: spawns opened since reset()
    bool spawnerFromFront_ = true; // read by the helpers once joined
    std::atomic<int> open_{0};     // the serial of the open spawn, 0 when none is
    std::atomic<int> joined_{0};   // helpers in the open spawn
    std::atomic<bool> finished_{false};
};

template <typename SpawnRun> void SpawnHandout::help(SpawnRun spawnRun) {
    int helped = 0;
    common::spinUntil([&] {
        const int serial = open_.load(std::memory_order_acquire);
        if (serial != 0 && serial != helped) {
            helped = serial;
            if (join(serial))
                for (int run = takeFrom(false); run >= 0; run = takeFrom(false))
                    spawnRun(run);
            leave();
        }
        return finished_.load(std::memory_order_acquire);
    });
}

} // namespace kirabellum
