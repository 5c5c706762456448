#pragma once

#include "common/FlipbookTiming.h"
#include "common/sheets/FlipbookBlend.h"
#include "common/sheets/MotionVectorFrame.h"
#include "core/render/StripLayout.h"

#include <QImage>

#include <vector>

namespace kirabellum {

// The pictures an engine shows between the kept frames of a strip: each kept
// frame as it is, two of them mixed (a cross-fade), or two moved along their
// motion vectors and mixed, as Unity's VFX Graph decodes the unity preset.
class BlendedFrames {
public:
    // The frames of `strip` laid out by `layout`, every `frameStep`th kept.
    BlendedFrames(const QImage& strip, const StripLayout& layout, int frameStep);

    const QImage& strip() const { return strip_; }
    int frameStep() const { return frameStep_; }

    // The kept frames' motion, one entry per kept frame (RenderRun::motionVectors
    // of a run with this frame step), held as the unity preset stores it.
    void setMotion(const std::vector<common::MotionVectorFrame>& motion);
    bool hasMotion() const { return !motionCells_.empty(); }

    // The picture `tick.blend` of the way from kept frame `tick.from` to
    // `tick.to`. Motion blending without motion cross-fades.
    QImage picture(const common::FlipbookTick& tick, common::FlipbookBlend blend) const;

private:
    QImage keptFrame(int kept) const;

    QImage strip_;
    StripLayout layout_;
    int frameStep_;
    std::vector<QImage> motionCells_;
    double motionScale_ = 1.0;
};

} // namespace kirabellum
