#pragma once

#include "core/document/DesignDocument.h"
#include "core/render/Particle.h"

#include <array>
#include <vector>

namespace kirabellum {

// The motion step of a frame: a particle moves by its velocity, slows down by
// its deceleration, ages one frame, and then the three gravity forces act on it
// in order, each seeing the position the ones before it left. Every engine moves
// particles through here, so that all engines move them identically.
class ParticleMotion {
public:
    // Takes the design's gravity with Power scaled to frame pixels, and the
    // frame's centre, at the start of a render.
    void prepare(const DesignDocument& design, float scale, int frameSize);

    void move(Particle& particle) const;
    // The same moves to the bit, of the particles in the given pool slots, with
    // quicker trigonometry for the rotation and attraction forces: the fast
    // engine's.
    void moveQuickly(std::vector<Particle>& pool, const int* slots, int count) const;

private:
    // The velocity, the deceleration, the age and the linear force.
    void moveStraight(Particle& particle) const;
    // The direction in degrees in which each force pushes a particle, from the
    // particle's direction from the centre.
    float rotationDirection(float pointAngle) const;
    float attractionDirection(float pointAngle) const;

    std::array<GravityForce, GravityTotal> ScaledGravity{};
    float centre_ = 0.0f;
    double linearCosine_ = 0.0; // direction of the linear force
    double linearSine_ = 0.0;
};

} // namespace kirabellum
