#include "core/Recolouring.h"

#include "common/Rounding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>

namespace koratune {

namespace {

constexpr common::Colour White = common::makeColour(255, 255, 255);

// A block holds about this many pixels for each worker: enough to outweigh
// handing the block out, few enough that a cancel waits on little work.
constexpr int BlockPixelsPerWorker = 1 << 15;

int defaultThreadCount() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(cores);
}

} // namespace

// The colours of a run recoloured before: a strip holds few colours, most of
// them many times over. The slot of a colour is picked by a multiplicative
// hash; every slot starts as black, which recolours to itself.
class Recolouring::Memory {
public:
    Memory(int hueShift, int saturationShift)
        : hueShift_(hueShift), saturationShift_(saturationShift),
          colours_(std::size_t{1} << SlotBits, 0), recoloured_(std::size_t{1} << SlotBits, 0) {}
    QRgb recolour(QRgb pixel) {
        const common::Colour colour = common::colourFromRgb(pixel);
        const std::size_t slot = (colour * 0x9E3779B1u) >> (32 - SlotBits);
        if (colours_[slot] != colour) {
            colours_[slot] = colour;
            recoloured_[slot] =
                common::colourToRgb(RecolourColour(colour, hueShift_, saturationShift_));
        }
        return recoloured_[slot];
    }

private:
    // As many slots as a strip of 256-pixel frames has pixels in one frame.
    static constexpr int SlotBits = 16;
    int hueShift_;
    int saturationShift_;
    std::vector<common::Colour> colours_;
    std::vector<QRgb> recoloured_;
};

namespace {

int shiftedSaturation(int saturation, int saturationShift) {
    const double shift = saturationShift;
    if (saturationShift > 0)
        return common::nearest(saturation * (1.0 - shift / 255.0) + shift / 255.0 * 255.0);
    return common::nearest((1.0 - (-shift) / 255.0) * saturation);
}

} // namespace

common::Colour RecolourColour(common::Colour colour, int hueShift, int saturationShift) {
    if (colour == 0 || colour >= White)
        return colour;
    int red = 0;
    int green = 0;
    int blue = 0;
    SplitColor(colour, red, green, blue);
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
    RgbToHsl(red, green, blue, hue, saturation, lightness);
    hue += hueShift;
    if (hue >= HueTurn)
        hue -= HueTurn;
    HslToRgb(hue, shiftedSaturation(saturation, saturationShift), lightness, red, green, blue);
    return common::makeColour(red, green, blue);
}

int Recolouring::RecolourImage(const QImage& base, QImage& work, const SharedSettings& settings) {
    work = base;
    return RecolourImage(work, settings);
}

Recolouring::Recolouring(int threadCount)
    : workers_(threadCount < 1 ? defaultThreadCount() : threadCount) {}

Recolouring::~Recolouring() = default;

int Recolouring::RecolourImage(QImage& work, const SharedSettings& settings) {
    running_ = true;
    work.convertTo(QImage::Format_RGB32);
    if (settings.HueShift == 0 && settings.SaturationShift == 0)
        return 0;

    const int rowCount = work.height();
    const int width = work.width();
    const int blockRows =
        std::max(1, BlockPixelsPerWorker * workers_.workerCount() / std::max(width, 1));
    block_.resize(static_cast<std::size_t>(blockRows) * static_cast<std::size_t>(width));
    memories_.clear();
    for (int worker = 0; worker < workers_.workerCount(); ++worker)
        memories_.push_back(std::make_unique<Memory>(settings.HueShift, settings.SaturationShift));
    for (int blockBegin = 0; blockBegin < rowCount; blockBegin += blockRows) {
        const int blockEnd = std::min(rowCount, blockBegin + blockRows);
        recolourBlock(work, blockBegin, blockEnd);
        for (int y = blockBegin; y < blockEnd; ++y) {
            if (progressHook_)
                progressHook_(y, rowCount);
            std::memcpy(work.scanLine(y),
                        block_.data() + static_cast<std::ptrdiff_t>(y - blockBegin) * width,
                        static_cast<std::size_t>(width) * sizeof(QRgb));
            if (!running_)
                return y + 1;
            if (rowDoneHook_)
                rowDoneHook_();
        }
    }
    return rowCount;
}

void Recolouring::recolourBlock(const QImage& work, int begin, int end) {
    const int width = work.width();
    const int workerCount = workers_.workerCount();
    auto recolourRows = [&](int worker) {
        Memory& memory = *memories_[static_cast<std::size_t>(worker)];
        const int rows = end - begin;
        const int first = begin + rows * worker / workerCount;
        const int last = begin + rows * (worker + 1) / workerCount;
        for (int y = first; y < last; ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(work.constScanLine(y));
            QRgb* target = block_.data() + static_cast<std::ptrdiff_t>(y - begin) * width;
            for (int x = 0; x < width; ++x)
                target[x] = memory.recolour(source[x]);
        }
    };
    workers_.run(recolourRows);
}

} // namespace koratune
