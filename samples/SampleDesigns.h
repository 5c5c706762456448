#pragma once

#include "core/document/DesignDocument.h"
#include "core/editing/RampLibrary.h"
#include "core/editing/SparkLibrary.h"

#include <QString>

#include <vector>

namespace kirabellum {

// The sample designs shipped in samples/. Everything is computed here, so the
// samples carry no third-party pictures.

struct SampleDesign {
    QString fileName;     // e.g. "chrysanthemum.df2"
    QString japaneseName; // e.g. "菊"
    QString englishName;  // e.g. "Chrysanthemum"
    DesignDocument design;
};

// The samples in the order ./run shows them; the first is the default.
std::vector<SampleDesign> sampleDesigns();

} // namespace kirabellum
