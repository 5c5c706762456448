#include "core/render/BandListing.h"

#include <algorithm>
#include <array>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KIRABELLUM_LISTS_WITH_AVX2 1
#endif

namespace kirabellum {

namespace {

int listOneByOne(const RowRange* rows, int first, int count, int bandBegin, int bandEnd,
                 int* listed) {
    int listedCount = 0;
    for (int position = first; position < count; ++position) {
        listed[listedCount] = position;
        listedCount += std::max<int>(rows[position].begin, bandBegin) <
                               std::min<int>(rows[position].end, bandEnd)
                           ? 1
                           : 0;
    }
    return listedCount;
}

#ifdef KIRABELLUM_LISTS_WITH_AVX2
// For each mask of eight lanes, the numbers of its set lanes, lowest first.
constexpr std::array<std::uint64_t, 256> packedLanes() {
    std::array<std::uint64_t, 256> table{};
    for (int mask = 0; mask < 256; ++mask) {
        int packed = 0;
        for (int lane = 0; lane < 8; ++lane)
            if ((mask >> lane) & 1)
                table[static_cast<std::size_t>(mask)] |= static_cast<std::uint64_t>(lane)
                                                         << (8 * packed++);
    }
    return table;
}
constexpr std::array<std::uint64_t, 256> PackedLanes = packedLanes();

// A row range read as one 32-bit lane holds begin in its low half and end in
// its high half (x86 is little-endian). Each group of eight stores all eight
// positions, the listed ones first, so the next group starts where the listed
// ones end; the stores stay within `count` entries of `listed`, as a group
// stores at most eight where at least eight positions remain.
__attribute__((target("avx2"))) int listWithAvx2(const RowRange* rows, int count, int bandBegin,
                                                 int bandEnd, int* listed) {
    const __m256i lowHalves = _mm256_set1_epi32(0xFFFF);
    const __m256i first = _mm256_set1_epi32(bandBegin);
    const __m256i last = _mm256_set1_epi32(bandEnd);
    const __m256i eight = _mm256_set1_epi32(8);
    __m256i positions = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    int listedCount = 0;
    int position = 0;
    for (; position + 8 <= count; position += 8) {
        const __m256i ranges =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows + position));
        const __m256i begins = _mm256_max_epi32(_mm256_and_si256(ranges, lowHalves), first);
        const __m256i ends = _mm256_min_epi32(_mm256_srli_epi32(ranges, 16), last);
        const int mask = _mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpgt_epi32(ends, begins)));
        const __m256i lanes = _mm256_cvtepu8_epi32(
            _mm_cvtsi64_si128(static_cast<long long>(PackedLanes[static_cast<std::size_t>(mask)])));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(listed + listedCount),
                            _mm256_permutevar8x32_epi32(positions, lanes));
        listedCount += __builtin_popcount(static_cast<unsigned>(mask));
        positions = _mm256_add_epi32(positions, eight);
    }
    return listedCount +
           listOneByOne(rows, position, count, bandBegin, bandEnd, listed + listedCount);
}
#endif

} // namespace

int listOverlapping(const RowRange* rows, int count, int bandBegin, int bandEnd, int* listed) {
    static_assert(sizeof(RowRange) == 4, "a row range is read as one 32-bit lane");
#ifdef KIRABELLUM_LISTS_WITH_AVX2
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    if (hasAvx2)
        return listWithAvx2(rows, count, bandBegin, bandEnd, listed);
#endif
    return listOneByOne(rows, 0, count, bandBegin, bandEnd, listed);
}

} // namespace kirabellum
