#include "core/render/RandomSource.h"

namespace kirabellum {

double RandomSource::Rnd() {
    state_ += Step;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z = z ^ (z >> 31);
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

} // namespace kirabellum
