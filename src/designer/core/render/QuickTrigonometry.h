#pragma once

#include <algorithm>
#include <cmath>

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

// atan(k / 8) for k = 0 to 8.
constexpr double ArcTangentOfEighths[] = {
    0.0,
    0.12435499454676144,
    0.24497866312686414,
    0.35877067027057225,
    0.46364760900080609,
    0.55859931534356244,
    0.64350110879328437,
    0.71882999962162453,
    0.78539816339744828,
};

// atan(u) for |u| <= 1/16 by its series to u^11: what it leaves out is below
// 1/16^13 / 13, about 2e-17.
inline double smallArcTangent(double u) {
    const double z = u * u;
    return u + u * z *
                   (-1.0 / 3.0 +
                    z * (1.0 / 5.0 + z * (-1.0 / 7.0 + z * (1.0 / 9.0 + z * (-1.0 / 11.0)))));
}

} // namespace quick_trigonometry

// atan(numerator / denominator), without the quotient's own rounding, for a
// denominator that is not zero and parts below 2^100 in size, either zero or at
// least 2^-100 (false otherwise). The smaller part over the larger is t, at most
// 1, and k / 8 the eighth nearest t; then
//   atan(t) = atan(k / 8) + atan((t - k / 8) / (1 + t k / 8)),
// and for a quotient above 1 in size atan(q) = pi / 2 - atan(1 / q), all in one
// division.
inline bool quickArcTangent(double numerator, double denominator, double& angle) {
    using namespace quick_trigonometry;
    const double top = std::fabs(numerator);
    const double bottom = std::fabs(denominator);
    constexpr double Large = 0x1.0p100;
    constexpr double Small = 0x1.0p-100;
    if (!(top < Large && bottom < Large && bottom >= Small && (top >= Small || top == 0.0)))
        return false;
    const int steep = top > bottom ? 1 : 0;
    const double smaller = std::min(top, bottom);
    const double larger = std::max(top, bottom);
    // A float quotient picks k well enough: any k near the nearest keeps the
    // series' argument within 1/16 and a hair.
    const int eighths =
        static_cast<int>(static_cast<float>(smaller) / static_cast<float>(larger) * 8.0f + 0.5f);
    const double near = eighths / 8.0;
    const double flat = ArcTangentOfEighths[eighths] +
                        smallArcTangent((smaller - near * larger) / (larger + near * smaller));
    // Chosen by index, as the quarter in quickSineCosine.
    const double sizes[] = {flat, 1.5707963267948966 - flat};
    constexpr double Signs[] = {1.0, -1.0};
    angle = sizes[steep] * Signs[(numerator < 0) != (denominator < 0) ? 1 : 0];
    return true;
}

// sin(x) and cos(x) for |x| up to QuickSineCosineRange (false beyond it or for
// NaN). x is brought within pi / 4 of a multiple of pi / 2, with pi / 2 in two
// parts so that the subtraction stays exact, and there the series to x^15 and
// x^16 leave out less than 5e-17.
inline bool quickSineCosine(double x, double& sine, double& cosine) {
    if (!(std::fabs(x) <= QuickSineCosineRange))
        return false;
    constexpr double TwoOverPi = 0.63661977236758134;
    constexpr double HalfPiHead = 1.57079632673412561417; // 33 bits: k × it is exact
    constexpr double HalfPiTail = 6.07710050650619224932e-11;
    const int quarter = static_cast<int>(x * TwoOverPi + (x >= 0 ? 0.5 : -0.5));
    const double r = (x - quarter * HalfPiHead) - quarter * HalfPiTail;
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
    // Chosen by index rather than by branches: the quarter is as good as
    // random from one particle to the next. Multiplying by -1 only flips the sign.
    const double parts[] = {s, c};
    constexpr double Signs[] = {1.0, -1.0};
    sine = parts[quarter & 1] * Signs[(quarter >> 1) & 1];
    cosine = parts[(quarter & 1) ^ 1] * Signs[((quarter + 1) >> 1) & 1];
    return true;
}

} // namespace kirabellum
