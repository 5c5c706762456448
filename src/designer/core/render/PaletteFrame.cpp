#include "core/render/PaletteFrame.h"

#include "common/palettes/OrderedDither.h"
#include "common/palettes/PaletteMapping.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace kirabellum {

std::vector<common::Colour> snapRamp(const common::Colour* colours, int length,
                                     const common::Palette& palette) {
    std::vector<common::Colour> snapped;
    snapped.reserve(static_cast<std::size_t>(std::max(length, 0)));
    for (int index = 0; index < length; ++index)
        snapped.push_back(palette.nearest(colours[index]));
    return snapped;
}

PaletteFrame::PaletteFrame(const RenderPreparation& preparation, const common::Palette& palette,
                           common::Dither dither)
    : palette_(palette), dither_(dither), frameSize_(preparation.frameSize()) {
    for (int canvas = 0; canvas < preparation.canvasCount(); ++canvas) {
        // A ramp without colours draws its palette's black, as the engine does.
        const int length = std::max(preparation.canvasRampLength(canvas), 1);
        std::vector<common::Colour> ramp;
        for (int index = 0; index < length; ++index)
            ramp.push_back(preparation.canvasColour(canvas, index));
        const std::vector<common::Colour> snapped = snapRamp(ramp.data(), length, palette);
        ramps_.push_back(stepRamp(snapped, dither == common::Dither::Diffusion ? ramp : snapped));
    }
    background_ = palette.nearest(preparation.paletteColour(0));
}

PaletteFrame::StepRamp PaletteFrame::stepRamp(const std::vector<common::Colour>& snapped,
                                              const std::vector<common::Colour>& drawn) {
    StepRamp ramp;
    const int length = static_cast<int>(snapped.size());
    for (int index = 0; index < length; ++index) {
        const bool step = index == 0 || snapped[static_cast<std::size_t>(index)] !=
                                            snapped[static_cast<std::size_t>(index - 1)];
        ramp.lowerStep.push_back(step ? index : ramp.lowerStep.back());
        ramp.colours.push_back(common::colourToRgb(drawn[static_cast<std::size_t>(index)]));
    }
    ramp.upperStep.assign(snapped.size(), -1);
    for (int index = length - 2; index >= 0; --index) {
        const auto next = static_cast<std::size_t>(index + 1);
        ramp.upperStep[static_cast<std::size_t>(index)] =
            ramp.lowerStep[next] == index + 1 ? index + 1 : ramp.upperStep[next];
    }
    return ramp;
}

int PaletteFrame::indexAt(const StepRamp& ramp, float value, int x, int y) const {
    const int last = static_cast<int>(ramp.colours.size()) - 1;
    const int index = std::clamp(static_cast<int>(std::floor(value)), 0, last);
    if (dither_ != common::Dither::Ordered)
        return index;
    const int lower = ramp.lowerStep[static_cast<std::size_t>(index)];
    const int upper = ramp.upperStep[static_cast<std::size_t>(index)];
    if (upper < 0)
        return lower;
    const double t = (static_cast<double>(value) - lower) / (upper - lower);
    return t > common::bayerThreshold(x, y) ? upper : lower;
}

void PaletteFrame::draw(const std::vector<float>& canvas, QImage& target, QPoint origin) const {
    const std::ptrdiff_t area = static_cast<std::ptrdiff_t>(frameSize_) * frameSize_;
    const bool summed = ramps_.size() > 1 && dither_ != common::Dither::Diffusion;
    QHash<QRgb, QRgb> nearest;
    for (int y = 0; y < frameSize_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(origin.y() + y)) + origin.x();
        for (int x = 0; x < frameSize_; ++x) {
            const std::ptrdiff_t pixel = static_cast<std::ptrdiff_t>(y) * frameSize_ + x;
            QRgb colour = 0;
            for (std::size_t ramp = 0; ramp < ramps_.size(); ++ramp) {
                const float value = canvas[static_cast<std::size_t>(
                    static_cast<std::ptrdiff_t>(ramp) * area + pixel)];
                const int index = indexAt(ramps_[ramp], value, x, y);
                const QRgb own = ramps_[ramp].colours[static_cast<std::size_t>(index)];
                if (ramp == 0)
                    colour = own;
                else if (index > 0)
                    colour = common::addChannels(colour, own);
            }
            if (summed) {
                auto found = nearest.constFind(colour);
                if (found == nearest.constEnd())
                    found = nearest.insert(colour, common::colourToRgb(palette_.nearest(
                                                       common::colourFromRgb(colour))));
                colour = *found;
            }
            line[x] = colour;
        }
    }
    if (dither_ == common::Dither::Diffusion)
        common::diffuseToPalette(target, QRect(origin, QSize(frameSize_, frameSize_)), palette_);
}

} // namespace kirabellum
