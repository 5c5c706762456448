#pragma once

// Marks a function whose loops the compiler vectorises, to be built three
// times on x86-64: once for every processor, working on two doubles per
// instruction, once with AVX2, on four, and once with AVX-512, on eight; the
// form is chosen when the program starts. AVX-512 brings fused multiply-add,
// which the core is built never to put in place of a multiply and an add
// (-ffp-contract=off), so every form rounds every operation as written. The
// sanitizers' builds keep one form: the choosing runs before their run time
// has started, and crashes there.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) &&                             \
    !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
#define KIRABELLUM_WIDER_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define KIRABELLUM_WIDER_CLONES
#endif
