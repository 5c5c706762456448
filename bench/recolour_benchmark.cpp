// Times koratune's recolouring, in nanoseconds per pixel (median of RUNS): the
// plain loop over RecolourColour, pixel by pixel on one thread, against a
// recolouring run on one thread and on two, for a strip in the 256 colours of a
// ramp (as rendered strips are) and for one whose every pixel differs from its
// neighbours. Exits with 1 unless every run gives the plain loop's image.
//
// Usage: recolour_benchmark [RUNS]   (default 5)
#include "core/Recolouring.h"

#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using namespace koratune;
using Clock = std::chrono::steady_clock;

// A strip of 48 frames of 256 pixels, six to a row.
constexpr int Width = 1536;
constexpr int Height = 2048;

QImage rampStrip() {
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            // Rings of a burst in each frame: a ramp from black to gold to white.
            const int dx = x % 256 - 128;
            const int dy = y % 256 - 128;
            const int v = std::clamp(255 - (dx * dx + dy * dy) / 64, 0, 255);
            row[x] = qRgb(v, v * 3 / 4, v / 3);
        }
    }
    return image;
}

QImage changingStrip() {
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x)
            row[x] = qRgb(x % 256, y % 256, (x * 7 + y * 3) % 256);
    }
    return image;
}

double nanosecondsPerPixel(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count() /
                        (double(Width) * Height));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    SharedSettings settings;
    settings.HueShift = 400;
    settings.SaturationShift = -60;
    bool same = true;
    std::printf("recolouring %d x %d pixels, %d runs (ns per pixel, median)\n", Width, Height,
                runs);
    std::printf("  %-18s %12s %12s %12s %10s\n", "strip", "plain loop", "1 thread", "2 threads",
                "2 vs plain");
    const struct {
        const char* name;
        QImage image;
    } strips[] = {{"ramp colours", rampStrip()}, {"changing colours", changingStrip()}};
    for (const auto& strip : strips) {
        QImage plain = strip.image.copy();
        const double plainTime = nanosecondsPerPixel(runs, [&] {
            plain = strip.image.copy();
            for (int y = 0; y < Height; ++y) {
                auto* row = reinterpret_cast<QRgb*>(plain.scanLine(y));
                for (int x = 0; x < Width; ++x)
                    row[x] = common::colourToRgb(RecolourColour(common::colourFromRgb(row[x]),
                                                                settings.HueShift,
                                                                settings.SaturationShift));
            }
        });
        double threadTimes[2] = {};
        for (int threads : {1, 2}) {
            Recolouring recolouring(threads);
            QImage work;
            threadTimes[threads - 1] = nanosecondsPerPixel(
                runs, [&] { recolouring.RecolourImage(strip.image, work, settings); });
            same = same && work == plain;
        }
        std::printf("  %-18s %12.2f %12.2f %12.2f %9.2fx\n", strip.name, plainTime, threadTimes[0],
                    threadTimes[1], plainTime / threadTimes[1]);
    }
    if (!same)
        std::printf("a recolouring run differs from the plain loop\n");
    return same ? 0 : 1;
}
