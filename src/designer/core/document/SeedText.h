#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace kirabellum {

// A seed of the random generator as people type and read it: a whole number in
// decimal digits, from 0 to 18446744073709551615, without sign or spaces.
std::optional<std::uint64_t> seedFromText(const QString& text);
QString seedText(std::uint64_t seed);

} // namespace kirabellum
