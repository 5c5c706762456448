#pragma once

#include <cstdint>

namespace kirabellum {

// The one random generator of a designer process (SplitMix64). Only spawning
// draws from it. It is seeded once, when the process starts, and never again, so
// a second render in the same process continues the sequence of the first.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = 0) : state_(seed) {}

    // A uniform number in [0, 1) with 53 random bits.
    double Rnd();

    // Where the sequence stands: starting a generator at this value gives the
    // draws that follow from here.
    std::uint64_t state() const { return state_; }
    // Starts the sequence again at `state`.
    void restart(std::uint64_t state) { state_ = state; }
    // Moves on as `draws` calls of Rnd() would, at once: each call steps the
    // state by the same constant.
    void skip(std::uint64_t draws) { state_ += draws * Step; }

private:
    static constexpr std::uint64_t Step = 0x9E3779B97F4A7C15ull;
    std::uint64_t state_;
};

} // namespace kirabellum
