// Both render engines on a fuzzed design: the fast engine must refuse what the
// reference engine refuses, with the same message, and otherwise render the
// same strip, pixel for pixel, from the same seed.
//
// The input is one option byte and a version 1.1 design file (one spark image
// for all layers, so the input stays small). The option byte gives the seed
// (its upper six bits), the fast engine's threads (bit 0: one or two) and
// whether spark pixels outside the palette are kept (bit 1), so that the
// refusal is tried too. Without bit 1 each such pixel becomes a palette entry,
// since almost any changed spark pixel would be refused. The frame size,
// frame count, width limit and the particles per burst are brought into small
// ranges, so that one input renders in milliseconds.
#include "FuzzInput.h"
#include "FuzzTarget.h"

#include "core/document/DesignFile.h"
#include "core/render/RenderRun.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

using kirabellum::DesignDocument;

// `value` brought into `minimum` to `maximum`, any value giving each about as often.
std::int16_t wrapped(std::int16_t value, int minimum, int maximum) {
    const int span = maximum - minimum + 1;
    return static_cast<std::int16_t>(minimum + static_cast<std::uint16_t>(value) % span);
}

void makeQuick(DesignDocument& design) {
    design.FrameSize = wrapped(design.FrameSize, kirabellum::FrameSizeMinimum, 40);
    design.FrameCount = wrapped(design.FrameCount, kirabellum::FrameCountMinimum, 6);
    design.WidthLimit =
        wrapped(design.WidthLimit, kirabellum::WidthLimitMinimum, kirabellum::WidthLimitMaximum);
    for (kirabellum::LayerSettings& layer : design.Layers)
        layer.LayerCount = wrapped(layer.LayerCount, -4, 24);
    design.RenderCancel = 1;
}

// The palette is the ramp and black after it.
void keepSparksInPalette(DesignDocument& design) {
    const int rampLength = std::clamp<int>(design.RampLength, 0, kirabellum::RampCapacity);
    std::vector<common::Colour> palette(design.ColorRamp.begin(),
                                        design.ColorRamp.begin() + rampLength);
    palette.push_back(0);
    for (kirabellum::SparkBitmap& image : design.SparkImage)
        for (common::Colour& pixel : image.pixels)
            if (std::find(palette.begin(), palette.end(), pixel) == palette.end())
                pixel = palette[pixel % palette.size()];
}

struct Rendered {
    common::Status status;
    int frames = 0;
    QImage strip;
};

Rendered render(const DesignDocument& design, kirabellum::EngineKind kind, std::uint64_t seed,
                int threads) {
    kirabellum::RandomSource random(seed);
    kirabellum::RenderRun run(random, kind, threads);
    Rendered result{run.PrepareRender(design), 0, {}};
    if (result.status.ok())
        result.frames = run.RunFrames(design);
    result.strip = run.strip();
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::uint8_t options = input.byte();
    const QByteArray file = input.rest();

    DesignDocument design;
    std::istringstream stream(file.toStdString());
    if (!kirabellum::ReadDesignFile(stream, kirabellum::DesignFileVersion::V1_1, design).ok())
        return 0;
    makeQuick(design);
    if ((options & 2) == 0)
        keepSparksInPalette(design);

    const std::uint64_t seed = options >> 2;
    const int threads = 1 + (options & 1);
    const Rendered reference = render(design, kirabellum::EngineKind::Reference, seed, 1);
    const Rendered fast = render(design, kirabellum::EngineKind::Fast, seed, threads);
    fuzz::require(fast.status.ok() == reference.status.ok() &&
                      fast.status.message() == reference.status.message(),
                  "both engines accept or refuse a design alike");
    fuzz::require(fast.frames == reference.frames, "both engines render as many frames");
    fuzz::require(fast.strip == reference.strip, "both engines render the same strip");
    return 0;
}
