#pragma once

#include "common/Status.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kirabellum {

// One line of a design list (kirabellum render --atlas LIST): a design file
// and, when the line gives them, its own seed and number of variants.
struct AtlasListEntry {
    QString path; // relative paths taken from the list's folder
    std::optional<std::uint64_t> seed;
    std::optional<int> variants;
};

// Reads the design list `text` of the file `listPath`: one design a line, its
// path followed, when wanted, by "seed=N" and "variants=N" (1 to 64) in
// either order; blank lines and lines that begin with "#" say nothing.
// Paths are taken as written, spaces included, relative to the list's
// folder. A line that cannot be read fails with a message naming the file,
// the line's number and what is wrong with it.
common::Status parseAtlasList(const QString& text, const QString& listPath,
                              std::vector<AtlasListEntry>& entries);

} // namespace kirabellum
