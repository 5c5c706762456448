#include "common/palettes/OrderedDither.h"

namespace common {

namespace {

constexpr int Bayer[BayerSize][BayerSize] = {
    {0, 8, 2, 10},
    {12, 4, 14, 6},
    {3, 11, 1, 9},
    {15, 7, 13, 5},
};

int wrapped(int coordinate) {
    return ((coordinate % BayerSize) + BayerSize) % BayerSize;
}

} // namespace

double bayerThreshold(int x, int y) {
    return (Bayer[wrapped(y)][wrapped(x)] + 0.5) / (BayerSize * BayerSize);
}

} // namespace common
