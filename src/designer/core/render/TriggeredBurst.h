#pragma once

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
};

} // namespace kirabellum
