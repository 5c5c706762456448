#include "core/render/ParticleSpawn.h"

#include "core/document/DesignMath.h"

#include <algorithm>
#include <cmath>

namespace kirabellum {

void spawnParticle(Particle& particle, int slot, int layer, const LayerSettings& settings,
                   float scale, RandomSource& random, const TriggeredBurst* parent) {
    const double s = scale;
    particle.Layer = static_cast<float>(layer);

    const float angle = static_cast<float>(random.Rnd() * 360.0);
    const double radius = settings.LayerRadius;
    // Every third slot (by slot index) starts in the outer half of the radius.
    const float r = slot % 3 == 0 ? static_cast<float>(random.Rnd() * radius / 2 + radius / 2)
                                  : static_cast<float>(random.Rnd() * radius);
    const double cosine = std::cos(degreesToRadians(angle));
    const double sine = std::sin(degreesToRadians(angle));
    if (parent == nullptr) {
        particle.X = static_cast<float>((cosine * r + settings.LayerX) * s);
        particle.Y = static_cast<float>((sine * r + settings.LayerY) * s);
    } else {
        particle.X = static_cast<float>(cosine * r * s + parent->x);
        particle.Y = static_cast<float>(sine * r * s + parent->y);
    }

    // The angle can round up to exactly 360.0; it belongs to the last sector.
    const int sector = std::min(static_cast<int>(std::floor(angle / 10.0)), DirectionTotal - 1);
    const float speed = static_cast<float>(
        (settings.LayerShape[static_cast<std::size_t>(sector)] / 8.0 * random.Rnd() +
         settings.LayerMinSpeed) *
        s);
    particle.VX = static_cast<float>(cosine * speed);
    particle.VY = static_cast<float>(sine * speed);
    if (parent != nullptr) {
        particle.VX = static_cast<float>(particle.VX + parent->vx * parent->inheritance);
        particle.VY = static_cast<float>(particle.VY + parent->vy * parent->inheritance);
    }
    particle.Fade = static_cast<float>((settings.LayerLife / 100.0 + speed / 64.0) + random.Rnd());
    particle.GravitySpeed = 0.0f;
    particle.Age = 0;
    particle.Decel = static_cast<float>(settings.LayerDecel / 100.0);
    particle.PreviousX = 0.0f;
    particle.PreviousY = 0.0f;
}

} // namespace kirabellum
