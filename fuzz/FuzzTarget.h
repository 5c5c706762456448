#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target defines: one input, tried once. The fuzzer calls it
// for every input it makes; the corpus replay test calls it for every file of
// the target's corpus.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Stops the process at a broken property, so that the fuzzer keeps the input
// that broke it (and the replay test fails on it).
inline void require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken property: %s\n", property);
    std::abort();
}

} // namespace fuzz
