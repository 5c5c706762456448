// Recolours a large strip again and again in one process, as koratune does for
// every change of hue or saturation, and prints the memory held after each run:
// it must stay flat. Exits with 1 when it grows.
//
// Usage: koratune_memory_benchmark [RUNS]   (default 12)
#include "ProcessMemory.h"
#include "core/Recolouring.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>

int main(int argc, char** argv) {
    using namespace koratune;
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 12;
    // A strip of 128 frames of 512 pixels, three to a row, in changing colours.
    QImage base(1536, 512 * 43, QImage::Format_RGB32);
    for (int y = 0; y < base.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(base.scanLine(y));
        for (int x = 0; x < base.width(); ++x)
            row[x] = qRgb(x % 256, y % 256, (x + y) % 256);
    }
    QImage work;
    SharedSettings settings;
    int run = 0;
    const bool flat = memoryStaysFlat("large strip recolourings", runs, 8u << 20, [&] {
        settings.HueShift = (++run * 97) % (MaximumHueShift + 1);
        settings.SaturationShift = run % 2 == 0 ? 40 : -40;
        Recolouring recolouring;
        recolouring.RecolourImage(base, work, settings);
    });
    return flat ? 0 : 1;
}
