#pragma once

#include <cstdint>

namespace kirabellum {

// One slot of the particle pool. Positions and speeds are in frame pixels.
struct Particle {
    float X = 0.0f;
    float Y = 0.0f;
    float Layer = 0.0f; // the layer (1 to 8) that spawned it; 0.0 marks a free slot
    float Fade = 0.0f;  // intensity lost per frame of age
    float VX = 0.0f;
    float VY = 0.0f;
    float GravitySpeed = 0.0f; // speed gained so far from the linear force
    std::int16_t Age = 0;      // frames since spawning
    float Decel = 0.0f;        // velocity factor per frame
};

} // namespace kirabellum
