#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kirabellum {

// The loops that add a spark row's contributions to a canvas row. Every sum is
// a double held to the canvas limit and stored as a float, so that each canvas
// pixel receives exactly what the straightforward engine gives it.

// Adds the contributions of `count` neighbouring spark pixels to the canvas
// pixels they land on, one to one, holding the sums to 0 and `limit`.
inline void addSpan(float* cells, const std::uint8_t* values, int count,
                    const double* contributions, double limit) {
    for (int index = 0; index < count; ++index) {
        double sum = cells[index] + contributions[values[index]];
        sum = sum > limit ? limit : sum;
        sum = sum >= 0 ? sum : 0.0;
        cells[index] = static_cast<float>(sum);
    }
}

// The same for a particle whose intensity is ramp index - shift, held to 0 from
// below, over a whole row span: where stamping can only raise canvas values
// (a finite AddRate of 0 or more on a canvas of +0 or more), the pixels at or
// below the shift, transparent ones included, add exactly 0. Written without
// tables or branches, so that the compiler can stamp several pixels per
// instruction.
inline void addShiftedSpan(float* __restrict cells, const std::int32_t* __restrict values,
                           int count, int shift, double addRate, double limit) {
    for (int index = 0; index < count; ++index) {
        int intensity = values[index] - shift;
        intensity = intensity > 0 ? intensity : 0;
        double sum = cells[index] + intensity * addRate;
        sum = sum > limit ? limit : sum;
        cells[index] = static_cast<float>(sum);
    }
}

// The same for a trail stamp, whose intensities count (intensity × weight) × addRate.
inline void addWeightedShiftedSpan(float* __restrict cells, const std::int32_t* __restrict values,
                                   int count, int shift, double weight, double addRate,
                                   double limit) {
    for (int index = 0; index < count; ++index) {
        int intensity = values[index] - shift;
        intensity = intensity > 0 ? intensity : 0;
        double sum = cells[index] + intensity * weight * addRate;
        sum = sum > limit ? limit : sum;
        cells[index] = static_cast<float>(sum);
    }
}

// Sparks above their shift are stamped in groups of PixelGroup neighbouring
// pixels.
constexpr int PixelGroup = 8;

// One group of PixelGroup pixels as addShiftedSpan and addWeightedShiftedSpan
// stamp them (with `weight` 1 and Weighted false, the former), written on
// vectors of the whole group, so that a processor with 512-bit registers adds
// it in one instruction per step and others in two or four; the operations,
// and so the sums, are those of the loops above.
template <bool Weighted>
inline void addShiftedGroup(float* cells, const std::int32_t* values, int shift, double weight,
                            double addRate, double limit) {
    using Ints = std::int32_t __attribute__((vector_size(PixelGroup * sizeof(std::int32_t))));
    using Floats = float __attribute__((vector_size(PixelGroup * sizeof(float))));
    using Doubles = double __attribute__((vector_size(PixelGroup * sizeof(double))));
    Ints intensities;
    std::memcpy(&intensities, values, sizeof intensities);
    intensities -= shift;
    intensities = intensities > 0 ? intensities : 0;
    Floats stored;
    std::memcpy(&stored, cells, sizeof stored);
    Doubles added = __builtin_convertvector(intensities, Doubles);
    if constexpr (Weighted)
        added = added * weight * addRate;
    else
        added = added * addRate;
    Doubles sum = __builtin_convertvector(stored, Doubles) + added;
    sum = sum > limit ? limit : sum;
    stored = __builtin_convertvector(sum, Floats);
    std::memcpy(cells, &stored, sizeof stored);
}

// `groups` whole groups side by side.
template <bool Weighted>
inline void addShiftedGroups(float* cells, const std::int32_t* values, int groups, int shift,
                             double weight, double addRate, double limit) {
    for (int group = 0; group < groups; ++group)
        addShiftedGroup<Weighted>(cells + group * PixelGroup, values + group * PixelGroup, shift,
                                  weight, addRate, limit);
}

// Columns begin to end - 1 of a span widened to whole groups of PixelGroup
// pixels within columns limitBegin to limitEnd - 1, towards the start where
// they would run past the end. False when the groups do not fit.
struct GroupedSpan {
    int begin;
    int groups;
};
inline bool groupSpan(int begin, int end, int limitBegin, int limitEnd, GroupedSpan& grouped) {
    grouped.groups = (end - begin + PixelGroup - 1) / PixelGroup;
    if (grouped.groups * PixelGroup > limitEnd - limitBegin)
        return false;
    grouped.begin =
        std::min(begin + grouped.groups * PixelGroup, limitEnd) - grouped.groups * PixelGroup;
    return true;
}

// The same as addSpan with the canvas column of every spark pixel given, for
// spark pixels begin to end - 1: halfway positions, where two spark pixels may
// land on one canvas pixel one after the other.
inline void addMappedSpan(float* line, const int* columns, const std::uint8_t* values, int begin,
                          int end, const double* contributions, double limit) {
    for (int dx = begin; dx < end; ++dx) {
        float& cell = line[columns[dx]];
        double sum = cell + contributions[values[dx]];
        sum = sum > limit ? limit : sum;
        sum = sum >= 0 ? sum : 0.0;
        cell = static_cast<float>(sum);
    }
}

} // namespace kirabellum
