#pragma once

#include <cstdint>

namespace kirabellum {

// A burst that a trigger fired: the child layer, and the parent particle's
// position and velocity after the move of the frame that fired it.
struct TriggeredBurst {
    int layer = 0;
    float x = 0.0f;
    float y = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    double inheritance = 0.0; // the share of the parent's velocity: Inherit / 100.0
    // The parent's velocity, fade, deceleration, layer and age mixed into one
    // number, which tells the bursts of different parents apart whatever else
    // fires in the frame and whatever slots the parents took.
    std::uint64_t parentKey = 0;
    // In loop mode: where the generator starts for this burst's draws.
    std::uint64_t seed = 0;
};

} // namespace kirabellum
