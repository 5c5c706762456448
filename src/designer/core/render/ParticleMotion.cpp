#include "core/render/ParticleMotion.h"

#include "core/document/DesignMath.h"
#include "core/render/QuickForces.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

namespace {

// Moves (x, y) by power / 4 in the direction `theta` degrees, or against it, as
// the reference engine does.
void push(float theta, float power, bool against, float& x, float& y) {
    const double cosine = std::cos(degreesToRadians(theta));
    const double sine = std::sin(degreesToRadians(theta));
    if (against) {
        x = static_cast<float>(x - cosine * power / 4.0);
        y = static_cast<float>(y - sine * power / 4.0);
    } else {
        x = static_cast<float>(x + cosine * power / 4.0);
        y = static_cast<float>(y + sine * power / 4.0);
    }
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

void ParticleMotion::moveStraight(Particle& particle) const {
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
}

float ParticleMotion::rotationDirection(float pointAngle) const {
    const float rightAngle = static_cast<float>(pointAngle + 90.0);
    return static_cast<float>(rightAngle + static_cast<double>(ScaledGravity[1].Angle) * 180.0);
}

float ParticleMotion::attractionDirection(float pointAngle) const {
    return static_cast<float>(pointAngle + static_cast<double>(ScaledGravity[2].Angle) * 180.0);
}

void ParticleMotion::move(Particle& particle) const {
    moveStraight(particle);
    if (ScaledGravity[1].Use != 0)
        push(rotationDirection(PointAngle(centre_, centre_, particle.X, particle.Y)),
             ScaledGravity[1].Power, false, particle.X, particle.Y);
    if (ScaledGravity[2].Use != 0)
        push(attractionDirection(PointAngle(centre_, centre_, particle.X, particle.Y)),
             ScaledGravity[2].Power, true, particle.X, particle.Y);
}

void ParticleMotion::moveQuickly(std::vector<Particle>& pool, const int* slots, int count) const {
    // Force by force over blocks of particles held one array per coordinate.
    constexpr int Block = 64;
    std::array<Particle*, Block> particles{};
    std::array<float, Block> x{};
    std::array<float, Block> y{};
    std::array<float, Block> directions{};
    std::array<float, Block> movedX{};
    std::array<float, Block> movedY{};
    std::array<int, Block> certain{};
    const auto pushBlock = [&](int size, const GravityForce& force, bool against) {
        quickPushes(directions.data(), force.Power, against, x.data(), y.data(), size,
                    movedX.data(), movedY.data(), certain.data());
        for (std::size_t index = 0; index < static_cast<std::size_t>(size); ++index) {
            if (certain[index] != 0) {
                x[index] = movedX[index];
                y[index] = movedY[index];
            } else {
                push(directions[index], force.Power, against, x[index], y[index]);
            }
        }
    };
    const auto pointAngles = [&](int size) {
        quickPointAngles(centre_, x.data(), y.data(), size, directions.data(), certain.data());
        for (std::size_t index = 0; index < static_cast<std::size_t>(size); ++index)
            if (certain[index] == 0)
                directions[index] = PointAngle(centre_, centre_, x[index], y[index]);
    };
    for (int first = 0; first < count; first += Block) {
        const int size = std::min(Block, count - first);
        for (std::size_t index = 0; index < static_cast<std::size_t>(size); ++index) {
            Particle& particle =
                pool[static_cast<std::size_t>(slots[first + static_cast<int>(index)])];
            particles[index] = &particle;
            moveStraight(particle);
            x[index] = particle.X;
            y[index] = particle.Y;
        }
        if (ScaledGravity[1].Use != 0) {
            pointAngles(size);
            for (std::size_t index = 0; index < static_cast<std::size_t>(size); ++index)
                directions[index] = rotationDirection(directions[index]);
            pushBlock(size, ScaledGravity[1], false);
        }
        if (ScaledGravity[2].Use != 0) {
            pointAngles(size);
            for (std::size_t index = 0; index < static_cast<std::size_t>(size); ++index)
                directions[index] = attractionDirection(directions[index]);
            pushBlock(size, ScaledGravity[2], true);
        }
        for (std::size_t index = 0; index < static_cast<std::size_t>(size); ++index) {
            particles[index]->X = x[index];
            particles[index]->Y = y[index];
        }
    }
}

} // namespace kirabellum
