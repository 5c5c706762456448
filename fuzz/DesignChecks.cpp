#include "DesignChecks.h"

#include "FuzzTarget.h"

#include <algorithm>

namespace fuzz {

kirabellum::DesignDocument startingDesign() {
    kirabellum::DesignDocument design;
    kirabellum::NewDesign(design);
    design.RenderCancel = 1;
    return design;
}

kirabellum::DesignDocument unreadDesign(const kirabellum::DesignDocument& like) {
    kirabellum::DesignDocument design;
    const int held = std::clamp<int>(like.RampLength, 0, kirabellum::RampCapacity);
    std::copy(like.ColorRamp.begin() + held, like.ColorRamp.end(), design.ColorRamp.begin() + held);
    return design;
}

void requireUntouched(const kirabellum::DesignDocument& design,
                      const kirabellum::DesignDocument& before) {
    require(design.sameDesignAs(before) && design.RenderCancel == before.RenderCancel,
            "a refused read leaves the design as it was");
}

void requireRenderCancelKept(const kirabellum::DesignDocument& design,
                             const kirabellum::DesignDocument& before) {
    require(design.RenderCancel == before.RenderCancel, "a read keeps RenderCancel");
}

} // namespace fuzz
