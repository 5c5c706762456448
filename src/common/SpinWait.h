#pragma once

#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace common {

// One step of a busy wait: tells the processor that this thread spins.
inline void spinPause() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#endif
}

// Spins until done() holds, for the short waits between the workers of one
// task; after a few thousand spins it yields at each, so that a worker that
// waits long (more workers than cores) lets the others run.
template <typename Condition> void spinUntil(Condition done) {
    for (int spin = 0; !done(); ++spin) {
        if (spin < 4096)
            spinPause();
        else
            std::this_thread::yield();
    }
}

} // namespace common
