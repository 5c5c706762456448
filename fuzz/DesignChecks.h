#pragma once

#include "core/document/DesignDocument.h"

namespace fuzz {

// What the design readers' targets share.

// The design a read goes into: a new design, with RenderCancel set so that a
// read that touched it would show.
kirabellum::DesignDocument startingDesign();

// An all-zero design but for the ramp entries that `like` holds from its
// RampLength on, which a read keeps: a read into it that gives a design equal
// to `like` has set every field that a read sets.
kirabellum::DesignDocument unreadDesign(const kirabellum::DesignDocument& like);

// A refused read must leave the design exactly as it was, RenderCancel included;
// a successful one must not touch RenderCancel.
void requireUntouched(const kirabellum::DesignDocument& design,
                      const kirabellum::DesignDocument& before);
void requireRenderCancelKept(const kirabellum::DesignDocument& design,
                             const kirabellum::DesignDocument& before);

} // namespace fuzz
