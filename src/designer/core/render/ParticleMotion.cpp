#include "core/render/ParticleMotion.h"

#include "core/document/DesignMath.h"

#include <cmath>

namespace kirabellum {

namespace {

constexpr double degreesToRadians(float degrees) {
    return static_cast<double>(degrees) * static_cast<double>(DegToRad);
}

} // namespace

void ParticleMotion::prepare(const DesignDocument& design, float scale, int frameSize) {
    for (int force = 0; force < GravityTotal; ++force) {
        const GravityForce& gravity = design.Gravity[static_cast<std::size_t>(force)];
        GravityForce& scaled = ScaledGravity[static_cast<std::size_t>(force)];
        scaled.Power = static_cast<float>(static_cast<double>(gravity.Power) * scale);
        scaled.Angle = gravity.Angle;
        scaled.Use = gravity.Use;
    }
    centre_ = static_cast<float>(frameSize / 2.0);
    linearCosine_ = std::cos(degreesToRadians(ScaledGravity[0].Angle));
    linearSine_ = std::sin(degreesToRadians(ScaledGravity[0].Angle));
}

void ParticleMotion::move(Particle& particle) const {
    particle.X = static_cast<float>(static_cast<double>(particle.X) + particle.VX);
    particle.Y = static_cast<float>(static_cast<double>(particle.Y) + particle.VY);
    particle.VX = static_cast<float>(static_cast<double>(particle.VX) * particle.Decel);
    particle.VY = static_cast<float>(static_cast<double>(particle.VY) * particle.Decel);
    particle.Age = static_cast<std::int16_t>(particle.Age + 1);

    const GravityForce& linear = ScaledGravity[0];
    if (linear.Use != 0) {
        // Moves by the speed gained in earlier frames, then gains more.
        particle.X = static_cast<float>(particle.X + linearCosine_ * particle.GravitySpeed);
        particle.Y = static_cast<float>(particle.Y + linearSine_ * particle.GravitySpeed);
        particle.GravitySpeed =
            static_cast<float>(particle.GravitySpeed + static_cast<double>(linear.Power) / 10.0);
    }
    const GravityForce& rotation = ScaledGravity[1];
    if (rotation.Use != 0) {
        const float rightAngle =
            static_cast<float>(PointAngle(centre_, centre_, particle.X, particle.Y) + 90.0);
        const float theta =
            static_cast<float>(rightAngle + static_cast<double>(rotation.Angle) * 180.0);
        particle.X = static_cast<float>(particle.X +
                                        std::cos(degreesToRadians(theta)) * rotation.Power / 4.0);
        particle.Y = static_cast<float>(particle.Y +
                                        std::sin(degreesToRadians(theta)) * rotation.Power / 4.0);
    }
    const GravityForce& attraction = ScaledGravity[2];
    if (attraction.Use != 0) {
        const float theta =
            static_cast<float>(PointAngle(centre_, centre_, particle.X, particle.Y) +
                               static_cast<double>(attraction.Angle) * 180.0);
        particle.X = static_cast<float>(particle.X -
                                        std::cos(degreesToRadians(theta)) * attraction.Power / 4.0);
        particle.Y = static_cast<float>(particle.Y -
                                        std::sin(degreesToRadians(theta)) * attraction.Power / 4.0);
    }
}

} // namespace kirabellum
