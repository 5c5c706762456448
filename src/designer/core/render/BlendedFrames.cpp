#include "core/render/BlendedFrames.h"

namespace kirabellum {

BlendedFrames::BlendedFrames(const QImage& strip, const StripLayout& layout, int frameStep)
    : strip_(strip), layout_(layout), frameStep_(frameStep) {}

QImage BlendedFrames::keptFrame(int kept) const {
    return strip_.copy(layout_.grid().cellRect(kept * frameStep_));
}

QImage BlendedFrames::picture(const common::FlipbookTick& tick, common::FlipbookBlend blend) const {
    if (blend == common::FlipbookBlend::Off || tick.blend == 0.0)
        return keptFrame(tick.from);
    if (blend == common::FlipbookBlend::MotionVectors && hasMotion())
        return common::motionBlendCells(
            keptFrame(tick.from), motionCells_[static_cast<std::size_t>(tick.from)],
            keptFrame(tick.to), motionCells_[static_cast<std::size_t>(tick.to)], motionScale_,
            tick.blend);
    return common::crossFadeCells(keptFrame(tick.from), keptFrame(tick.to), tick.blend);
}

} // namespace kirabellum
