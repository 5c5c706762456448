#pragma once

// Marks a function whose loops the compiler vectorises, to be built twice on
// x86-64: once for every processor, working on two doubles per instruction,
// and once with AVX2, on four; the form is chosen when the program starts.
// AVX2 alone brings no fused multiply-add, so both forms round every operation
// as written. The sanitizers' builds keep one form: the choosing runs before
// their run time has started, and crashes there.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) &&                             \
    !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
#define KIRABELLUM_WIDER_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define KIRABELLUM_WIDER_CLONES
#endif
