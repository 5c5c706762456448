#pragma once

#include "core/document/DesignDocument.h"
#include "core/render/Particle.h"
#include "core/render/RandomSource.h"
#include "core/render/TriggeredBurst.h"

namespace kirabellum {

// Fills the free pool slot `slot` with a new particle of `layer` (1 to 8): a
// random angle, a start within the layer's radius around its centre (slots whose
// index is a multiple of 3 start in the outer half), a launch speed from the
// shape sector of that angle, the fade and the deceleration, all scaled to frame
// pixels by `scale`. Draws from `random` exactly SpawnDraws times, in the order
// angle, radius, speed, fade, so that the k-th particle of a burst takes the
// draws from k × SpawnDraws on. Every engine spawns through here, so that all
// engines given the same generator produce the same particles.
//
// A child of a triggered burst (`parent` given) starts around the parent's
// position instead of the layer's centre, and adds the inherited share of the
// parent's velocity to its own.
constexpr int SpawnDraws = 4;
void spawnParticle(Particle& particle, int slot, int layer, const LayerSettings& settings,
                   float scale, RandomSource& random, const TriggeredBurst* parent = nullptr);

} // namespace kirabellum
