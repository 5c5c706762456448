#pragma once

namespace kirabellum {

// Asks for the cache line at `address` to be fetched ready for writing. A line
// that another core has read since this one wrote it must first be taken back
// from there; asked for ahead, that happens while the work before it goes on,
// instead of stalling the writes once the store queue fills. On x86 the
// compiler's own prefetch asks only for reading unless the whole program is
// built for processors with PREFETCHW; processors without it take the
// instruction as a no-op.
inline void prefetchForWriting(const void* address) {
#if defined(__x86_64__) || defined(__i386__)
    asm volatile("prefetchw %0" ::"m"(*static_cast<const char*>(address)));
#else
    __builtin_prefetch(address, 1);
#endif
}

} // namespace kirabellum
