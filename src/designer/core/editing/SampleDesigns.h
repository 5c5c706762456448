#pragma once

#include "core/document/DesignDocument.h"
#include "core/editing/RampLibrary.h"
#include "core/editing/SparkLibrary.h"

#include <QString>

#include <vector>

namespace kirabellum {

// The sample designs that the File menu offers and samples/ holds as files.
// Everything is computed here, so the samples carry no third-party pictures.

struct SampleDesign {
    // e.g. "chrysanthemum.df2"; "crossette.json" for a design with layer
    // effects, which only the JSON form holds.
    QString fileName;
    // Shown in the File menu: the Japanese name, "菊", translated in the context
    // "kirabellum::SampleDesigns" ("Chrysanthemum").
    QString name;
    DesignDocument design;
};

// The samples in the order ./run shows them; the first is the default.
std::vector<SampleDesign> sampleDesigns();

} // namespace kirabellum
