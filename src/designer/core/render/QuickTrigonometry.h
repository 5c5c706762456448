#pragma once

#include <cmath>

// The quick functions are inlined into the loops over particles, whatever
// their size, so that those loops can work on several particles at once.
#if defined(__GNUC__)
#define KIRABELLUM_LOOP_INLINE __attribute__((always_inline)) inline
#else
#define KIRABELLUM_LOOP_INLINE inline
#endif

namespace kirabellum {

// Arc tangent, sine and cosine in a few multiplications, for the fast engine's
// motion. They are not the C library's functions and may differ from them in
// the last bits; each states a bound on how far it lies from the true value,
// loose enough to cover the C library's own error too. The motion then rounds
// to float only when every value within that bound rounds to the same float
// (see FloatRounding), and asks the C library otherwise, so that particles move
// exactly as the reference engine moves them.

// |quickArcTangent(n, d) - atan(n / d)| stays below this, in radians.
constexpr double QuickArcTangentError = 2e-15;
// |quickSine - sin(x)| and |quickCosine - cos(x)| stay below this.
constexpr double QuickSineCosineError = 1e-15;
// quickSineCosine takes angles up to this size, in radians.
constexpr double QuickSineCosineRange = 65536.0;

namespace quick_trigonometry {

// atan(k / 8) for k = 0 to 8, as a sum in which only the term of k is not
// zero, rather than from a table, which loops could read for several particles
// at once only with gather instructions, or by selections, which compilers turn
// into jumps.
KIRABELLUM_LOOP_INLINE double arcTangentOfEighths(int eighths) {
    constexpr double Angles[] = {0.12435499454676144, 0.24497866312686414, 0.35877067027057225,
                                 0.46364760900080609, 0.55859931534356244, 0.64350110879328437,
                                 0.71882999962162453, 0.78539816339744828};
    const auto term = [&](int k) { return Angles[k - 1] * static_cast<double>(eighths == k); };
    const double angle =
        term(1) + term(2) + term(3) + term(4) + term(5) + term(6) + term(7) + term(8);
    return angle;
}

// atan(u) for |u| <= 1/16 by its series to u^11: what it leaves out is below
// 1/16^13 / 13, about 2e-17.
KIRABELLUM_LOOP_INLINE double smallArcTangent(double u) {
    const double z = u * u;
    return u + u * z *
                   (-1.0 / 3.0 +
                    z * (1.0 / 5.0 + z * (-1.0 / 7.0 + z * (1.0 / 9.0 + z * (-1.0 / 11.0)))));
}

} // namespace quick_trigonometry

// atan(numerator / denominator), without the quotient's own rounding, for a
// denominator that is not zero and parts below 2^100 in size, either zero or at
// least 2^-100 (false otherwise, and the angle is then meaningless). The smaller
// part over the larger is t, at most 1, and k / 8 the eighth nearest t; then
//   atan(t) = atan(k / 8) + atan((t - k / 8) / (1 + t k / 8)),
// and for a quotient above 1 in size atan(q) = pi / 2 - atan(1 / q), all in one
// division. Written without branches, so that loops over many particles can
// work on several at once.
KIRABELLUM_LOOP_INLINE bool quickArcTangent(double numerator, double denominator, double& angle) {
    using namespace quick_trigonometry;
    constexpr double Large = 0x1.0p100;
    constexpr double Small = 0x1.0p-100;
    const double top = std::fabs(numerator);
    const double bottom = std::fabs(denominator);
    const bool inRange =
        (top < Large) & (bottom < Large) & (bottom >= Small) & ((top >= Small) | (top == 0.0));
    const bool topSmaller = top < bottom;
    double smaller = topSmaller ? top : bottom;
    double larger = topSmaller ? bottom : top;
    smaller = inRange ? smaller : 0.0;
    larger = inRange ? larger : 1.0;
    // A float quotient picks k well enough: any k near the nearest keeps the
    // series' argument within 1/16 and a hair.
    const int eighths =
        static_cast<int>(static_cast<float>(smaller) / static_cast<float>(larger) * 8.0f + 0.5f);
    const double near = eighths * 0.125;
    const double flat = arcTangentOfEighths(eighths) +
                        smallArcTangent((smaller - near * larger) / (larger + near * smaller));
    const double size = top > bottom ? 1.5707963267948966 - flat : flat;
    const bool negative = (numerator < 0) ^ (denominator < 0);
    angle = negative ? -size : size;
    return inRange;
}

// sin(x) and cos(x) for |x| up to QuickSineCosineRange (false beyond it or for
// NaN, and the values are then meaningless). x is brought within pi / 4 of a
// multiple of pi / 2, with pi / 2 in two parts so that the subtraction stays
// exact, and there the series to x^15 and x^16 leave out less than 5e-17.
// Without branches, as quickArcTangent.
KIRABELLUM_LOOP_INLINE bool quickSineCosine(double x, double& sine, double& cosine) {
    const bool inRange = std::fabs(x) <= QuickSineCosineRange;
    const double angle = inRange ? x : 0.0;
    constexpr double TwoOverPi = 0.63661977236758134;
    constexpr double HalfPiHead = 1.57079632673412561417; // 33 bits: k × it is exact
    constexpr double HalfPiTail = 6.07710050650619224932e-11;
    const int quarter = static_cast<int>(angle * TwoOverPi + (angle >= 0 ? 0.5 : -0.5));
    const double r = (angle - quarter * HalfPiHead) - quarter * HalfPiTail;
    const double z = r * r;
    const double s =
        r + r * z *
                (-1.0 / 6.0 +
                 z * (1.0 / 120.0 +
                      z * (-1.0 / 5040.0 +
                           z * (1.0 / 362880.0 +
                                z * (-1.0 / 39916800.0 +
                                     z * (1.0 / 6227020800.0 + z * (-1.0 / 1307674368000.0)))))));
    const double c =
        1.0 +
        z * (-1.0 / 2.0 +
             z * (1.0 / 24.0 +
                  z * (-1.0 / 720.0 +
                       z * (1.0 / 40320.0 +
                            z * (-1.0 / 3628800.0 +
                                 z * (1.0 / 479001600.0 + z * (-1.0 / 87178291200.0 +
                                                               z * (1.0 / 20922789888000.0))))))));
    // Quarters 1 and 3 swap the two; 2 and 3 negate the sine, 1 and 2 the cosine.
    const bool odd = (quarter & 1) != 0;
    const double sineSize = odd ? c : s;
    const double cosineSize = odd ? s : c;
    sine = (quarter & 2) != 0 ? -sineSize : sineSize;
    cosine = ((quarter + 1) & 2) != 0 ? -cosineSize : cosineSize;
    return inRange;
}

} // namespace kirabellum
