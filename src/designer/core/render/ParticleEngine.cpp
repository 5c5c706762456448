#include "core/render/ParticleEngine.h"

#include "core/document/FloatBits.h"

#include <algorithm>
#include <array>

namespace kirabellum {

namespace {

// SplitMix64's finaliser: every bit of the result depends on every bit given.
std::uint64_t mixed(std::uint64_t value) {
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

std::uint64_t pairBits(float high, float low) {
    return std::uint64_t{floatBits(high)} << 32 | floatBits(low);
}

// What tells a particle apart from the others, in one number: the parts of its
// state that its slot does not decide. (Its position does depend on its slot,
// through the radius drawn; a key from it would let a loop's children change
// with the slots they happen to get, and keep the loop from ever repeating.)
std::uint64_t particleKey(const Particle& particle) {
    return mixed(
        pairBits(particle.VX, particle.VY) ^
        mixed(pairBits(particle.Fade, particle.Decel) ^
              mixed(pairBits(particle.Layer, 0.0f) ^ static_cast<std::uint16_t>(particle.Age))));
}

} // namespace

void ParticleEngine::spawnBurstsAfter(int frameIndex) {
    if (loopPeriod_ > 0) {
        spawnLoopBursts(frameIndex + 1);
    } else {
        const BurstSchedule& schedule = preparation().bursts();
        std::array<int, LayerTotal> due{};
        int count = 0;
        for (int layer = 1; layer <= LayerTotal; ++layer)
            if (schedule.burstsAfter(frameIndex, layer))
                due[static_cast<std::size_t>(count++)] = layer;
        addBursts(due.data(), count);
    }
    if (triggered_.empty())
        return;
    const bool seeded = loopPeriod_ > 0;
    if (seeded)
        for (TriggeredBurst& burst : triggered_)
            burst.seed =
                burstSeed(loopSeed_ ^ burst.parentKey, burst.layer, (frameIndex + 1) % loopPeriod_);
    addTriggeredBursts(triggered_.data(), static_cast<int>(triggered_.size()), seeded);
    triggered_.clear();
}

bool ParticleEngine::collectTriggers(const Particle& moved, int layer, bool freed,
                                     std::vector<TriggeredBurst>& fired) const {
    bool splits = false;
    for (const ChildTrigger& trigger : preparation().childTriggers(layer)) {
        const bool fires =
            trigger.when == TriggerMoment::Death ? freed : !freed && moved.Age == trigger.age;
        if (!fires)
            continue;
        fired.push_back({trigger.layer, moved.X, moved.Y, moved.VX, moved.VY, trigger.inheritance,
                         particleKey(moved), 0});
        splits = splits || trigger.split;
    }
    return splits;
}

void ParticleEngine::spawnFirstBursts() {
    triggered_.clear();
    if (loopPeriod_ > 0) {
        spawnLoopBursts(0);
        return;
    }
    const BurstSchedule& schedule = preparation().bursts();
    std::array<int, LayerTotal> due{};
    int count = 0;
    for (int layer = 1; layer <= LayerTotal; ++layer)
        if (schedule.burstsFirst(layer))
            due[static_cast<std::size_t>(count++)] = layer;
    addBursts(due.data(), count);
}

void ParticleEngine::addBursts(const int* layers, int count) {
    for (int index = 0; index < count; ++index)
        Add(layers[index]);
}

void ParticleEngine::spawnLoopBursts(int frame) {
    const BurstSchedule& schedule = preparation().bursts();
    const int inPeriod = frame % loopPeriod_;
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const bool due =
            inPeriod == 0 ? schedule.burstsFirst(layer) : schedule.burstsAfter(inPeriod - 1, layer);
        if (!due)
            continue;
        random_->restart(burstSeed(loopSeed_, layer, inPeriod));
        Add(layer);
    }
    if (inPeriod == 0)
        packLiveParticles();
}

int ParticleEngine::packLive(std::vector<Particle>& pool) {
    std::vector<Particle> live;
    for (const Particle& particle : pool)
        if (particle.Layer != 0.0f)
            live.push_back(particle);
    // Stable, so that particles of one age and layer keep their slot order.
    std::stable_sort(live.begin(), live.end(), [](const Particle& a, const Particle& b) {
        if (a.Age != b.Age)
            return a.Age > b.Age;
        return a.Layer < b.Layer;
    });
    std::copy(live.begin(), live.end(), pool.begin());
    for (std::size_t slot = live.size(); slot < pool.size(); ++slot)
        pool[slot].Layer = 0.0f;
    return static_cast<int>(live.size());
}

std::uint64_t ParticleEngine::burstSeed(std::uint64_t seed, int layer, int frameInPeriod) {
    const auto burst =
        static_cast<std::uint64_t>(layer) << 32 | static_cast<std::uint32_t>(frameInPeriod);
    return mixed(seed ^ mixed(burst + 0x9E3779B97F4A7C15ull));
}

ParticleEngine::State ParticleEngine::state() const {
    State state;
    const std::vector<Particle>& slots = pool();
    for (std::size_t slot = 0; slot < slots.size(); ++slot)
        if (slots[slot].Layer != 0.0f) {
            state.slots.push_back(static_cast<int>(slot));
            state.particles.push_back(slots[slot]);
        }
    state.canvas = canvas();
    return state;
}

bool ParticleEngine::State::operator==(const State& other) const {
    return slots == other.slots &&
           std::equal(canvas.begin(), canvas.end(), other.canvas.begin(), other.canvas.end(),
                      sameBits) &&
           std::equal(particles.begin(), particles.end(), other.particles.begin(),
                      other.particles.end(), sameParticle);
}

} // namespace kirabellum
