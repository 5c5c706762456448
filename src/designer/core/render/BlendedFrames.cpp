#include "core/render/BlendedFrames.h"

#include "common/sheets/MotionVectorSheet.h"

namespace kirabellum {

BlendedFrames::BlendedFrames(const QImage& strip, const StripLayout& layout, int frameStep)
    : strip_(strip), layout_(layout), frameStep_(frameStep) {}

QImage BlendedFrames::keptFrame(int kept) const {
    return strip_.copy(layout_.grid().cellRect(kept * frameStep_));
}

void BlendedFrames::setMotion(const std::vector<common::MotionVectorFrame>& motion) {
    // The kept frames' vectors on a grid of their own, without padding, as
    // the unity preset stores them, then cell by cell.
    const common::SheetGrid grid(static_cast<int>(motion.size()), layout_.FrameSize,
                                 layout_.Columns, 0, false);
    const common::MotionVectorSheet sheet = common::makeMotionVectorSheet(
        {motion}, common::SheetAtlas::onGrid(grid), common::MotionVectorPreset::Unity);
    motionCells_.clear();
    for (int kept = 0; kept < grid.frameCount(); ++kept)
        motionCells_.push_back(sheet.image.copy(grid.frameRect(kept)));
    motionScale_ = sheet.scale;
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
