#pragma once

#include "core/document/FloatBits.h"

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
    // The position one move earlier, kept for layers with a trail only (0
    // otherwise): the trail runs from there to the particle.
    float PreviousX = 0.0f;
    float PreviousY = 0.0f;
};

// Whether two slots hold the same particle, bit for bit.
inline bool sameParticle(const Particle& a, const Particle& b) {
    return sameBits(a.X, b.X) && sameBits(a.Y, b.Y) && sameBits(a.Layer, b.Layer) &&
           sameBits(a.Fade, b.Fade) && sameBits(a.VX, b.VX) && sameBits(a.VY, b.VY) &&
           sameBits(a.GravitySpeed, b.GravitySpeed) && a.Age == b.Age &&
           sameBits(a.Decel, b.Decel) && sameBits(a.PreviousX, b.PreviousX) &&
           sameBits(a.PreviousY, b.PreviousY);
}

} // namespace kirabellum
