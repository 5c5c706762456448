#pragma once

#include "common/Colour.h"
#include "common/palettes/Palette.h"
#include "common/sheets/SheetOptions.h"
#include "core/render/RenderPreparation.h"

#include <QImage>
#include <QPoint>

#include <vector>

namespace kirabellum {

// The ramp `colours` (its first `length` entries) with every colour replaced
// by its nearest colour in `palette` (Palette::nearest, by Oklab distance).
std::vector<common::Colour> snapRamp(const common::Colour* colours, int length,
                                     const common::Palette& palette);

// A frame locked to a palette, drawn from the engine's canvases in place of
// ParticleEngine::drawFrame. Every canvas's ramp (the design's and each layer's
// own) is snapped to the palette with snapRamp. A canvas value v at a pixel
// picks a ramp index k:
// - none: k = floor(v);
// - ordered: the ramp's palette steps are index 0 and every index whose
//   snapped colour differs from the one before it. With a the last step at or
//   below floor(v) and b the first above it, t = (v - a) / (b - a), and k = b
//   when t > bayerThreshold(x, y) of the pixel's place (x, y) in the frame,
//   else a (k = a when no step lies above);
// - diffusion: k = floor(v), coloured through the ramps as they are, and the
//   whole frame then goes through diffuseToPalette.
// The pixel is the design's ramp's colour at k (index 0 included), plus, channel
// by channel and each sum held to 255, the colour at k of each layer's ramp
// where its k is above 0, as drawFrame adds them; a sum of several colours,
// which the palette may not hold, becomes its nearest palette colour.
class PaletteFrame {
public:
    PaletteFrame(const RenderPreparation& preparation, const common::Palette& palette,
                 common::Dither dither);

    // The design's snapped ramp's first colour: the background of frames
    // locked to the palette.
    common::Colour background() const { return background_; }

    // Draws the frame whose canvases are `canvas` (as ParticleEngine::canvas
    // holds them) into `target` (Format_RGB32, large enough) with its top-left
    // pixel at `origin`, every pixel of it.
    void draw(const std::vector<float>& canvas, QImage& target, QPoint origin) const;

private:
    // One canvas's ramp as the frame draws it: its colours, and for every index
    // the palette steps at or below it and above it (-1: none above).
    struct StepRamp {
        std::vector<QRgb> colours;
        std::vector<int> lowerStep;
        std::vector<int> upperStep;
    };
    static StepRamp stepRamp(const std::vector<common::Colour>& snapped,
                             const std::vector<common::Colour>& drawn);
    int indexAt(const StepRamp& ramp, float value, int x, int y) const;

    common::Palette palette_;
    common::Dither dither_;
    int frameSize_;
    common::Colour background_;
    std::vector<StepRamp> ramps_;
};

} // namespace kirabellum
