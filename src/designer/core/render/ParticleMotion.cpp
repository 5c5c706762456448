#include "core/render/ParticleMotion.h"

#include "core/document/DesignMath.h"
#include "core/render/FloatRounding.h"
#include "core/render/QuickTrigonometry.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

namespace {

constexpr double degreesToRadians(float degrees) {
    return static_cast<double>(degrees) * static_cast<double>(DegToRad);
}

// The gravity forces' trigonometry as the reference engine computes it.
struct LibraryTrigonometry {
    static float pointAngle(float centre, float x, float y) {
        return PointAngle(centre, centre, x, y);
    }

    // Moves (x, y) by power / 4 in the direction `theta` degrees, or against it.
    static void push(float theta, float power, bool against, float& x, float& y) {
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
};

// The same floats sooner: the quick functions' results are taken when their
// error bounds show they round to the floats the library's results round to.
struct GuardedTrigonometry {
    // Bound on the error of an angle in degrees below 720: the arc tangent's
    // error times 1 / DegToRad plus the roundings of the slope's division (left
    // out here), of the conversion to degrees (a product here, a quotient in
    // the library's) and of the two additions, with room to spare.
    static constexpr double AngleError = 1e-12;
    static constexpr double RadiansToDegrees = 1.0 / static_cast<double>(DegToRad);

    static float pointAngle(float centre, float x, float y) {
        double angle = 0.0;
        if (x != centre && quickArcTangent(static_cast<double>(centre) - y,
                                           static_cast<double>(centre) - x, angle)) {
            // The additions by index, not by branches (see quickSineCosine); an
            // addition of +0 changes only a -0, which the guard below refuses.
            constexpr double Turns[] = {0.0, 180.0, 360.0};
            angle = angle * RadiansToDegrees + Turns[x < centre ? 1 : 0];
            // Which side of 0 the angle lies on must be certain too.
            if (std::fabs(angle) > AngleError) {
                angle += Turns[angle < 0.0 ? 2 : 0];
                float rounded = 0.0f;
                if (roundToFloatWithin(angle, AngleError, rounded))
                    return rounded;
            }
        }
        return PointAngle(centre, centre, x, y);
    }

    static void push(float theta, float power, bool against, float& x, float& y) {
        double sine = 0.0;
        double cosine = 0.0;
        if (quickSineCosine(degreesToRadians(theta), sine, cosine)) {
            // The trigonometric error times power / 4, plus a few roundings of
            // the position and the step.
            const double error =
                4e-15 * (std::fabs(static_cast<double>(power)) + std::fabs(static_cast<double>(x)) +
                         std::fabs(static_cast<double>(y)));
            const double sign = against ? -1.0 : 1.0;
            float movedX = 0.0f;
            float movedY = 0.0f;
            if (roundToFloatWithin(x + sign * (cosine * power / 4.0), error, movedX) &&
                roundToFloatWithin(y + sign * (sine * power / 4.0), error, movedY)) {
                x = movedX;
                y = movedY;
                return;
            }
        }
        LibraryTrigonometry::push(theta, power, against, x, y);
    }
};

static_assert(QuickSineCosineError <= 1e-15 && QuickArcTangentError <= 2e-15,
              "the guards' bounds above rest on these errors");

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

template <typename Trigonometry>
float ParticleMotion::rotationDirection(const Particle& particle) const {
    const float rightAngle =
        static_cast<float>(Trigonometry::pointAngle(centre_, particle.X, particle.Y) + 90.0);
    return static_cast<float>(rightAngle + static_cast<double>(ScaledGravity[1].Angle) * 180.0);
}

template <typename Trigonometry>
float ParticleMotion::attractionDirection(const Particle& particle) const {
    return static_cast<float>(Trigonometry::pointAngle(centre_, particle.X, particle.Y) +
                              static_cast<double>(ScaledGravity[2].Angle) * 180.0);
}

void ParticleMotion::move(Particle& particle) const {
    moveStraight(particle);
    if (ScaledGravity[1].Use != 0)
        LibraryTrigonometry::push(rotationDirection<LibraryTrigonometry>(particle),
                                  ScaledGravity[1].Power, false, particle.X, particle.Y);
    if (ScaledGravity[2].Use != 0)
        LibraryTrigonometry::push(attractionDirection<LibraryTrigonometry>(particle),
                                  ScaledGravity[2].Power, true, particle.X, particle.Y);
}

void ParticleMotion::moveQuickly(std::vector<Particle>& pool, const int* slots, int count) const {
    // Step by step over blocks of particles: each step's particles are
    // independent of one another, so the processor works on several at once.
    constexpr int Block = 32;
    std::array<Particle*, Block> particles{};
    std::array<float, Block> directions{};
    for (int first = 0; first < count; first += Block) {
        const int size = std::min(Block, count - first);
        for (int index = 0; index < size; ++index) {
            particles[static_cast<std::size_t>(index)] =
                &pool[static_cast<std::size_t>(slots[first + index])];
            moveStraight(*particles[static_cast<std::size_t>(index)]);
        }
        if (ScaledGravity[1].Use != 0) {
            for (int index = 0; index < size; ++index)
                directions[static_cast<std::size_t>(index)] =
                    rotationDirection<GuardedTrigonometry>(
                        *particles[static_cast<std::size_t>(index)]);
            for (int index = 0; index < size; ++index) {
                Particle& particle = *particles[static_cast<std::size_t>(index)];
                GuardedTrigonometry::push(directions[static_cast<std::size_t>(index)],
                                          ScaledGravity[1].Power, false, particle.X, particle.Y);
            }
        }
        if (ScaledGravity[2].Use != 0) {
            for (int index = 0; index < size; ++index)
                directions[static_cast<std::size_t>(index)] =
                    attractionDirection<GuardedTrigonometry>(
                        *particles[static_cast<std::size_t>(index)]);
            for (int index = 0; index < size; ++index) {
                Particle& particle = *particles[static_cast<std::size_t>(index)];
                GuardedTrigonometry::push(directions[static_cast<std::size_t>(index)],
                                          ScaledGravity[2].Power, true, particle.X, particle.Y);
            }
        }
    }
}

} // namespace kirabellum
