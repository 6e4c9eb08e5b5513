#pragma once
// Twips (1/1440 inch), HIMETRIC (1/100 mm), points and pixels at a given dots per inch.
// Whole numbers round as Windows' MulDiv does, which the stored layouts were measured
// with; floating-point lengths stay unrounded in the precision their caller computes in,
// so that each place gives the same numbers as it always has.

#include <cmath>
#include <cstdint>

namespace platform {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kHimetricPerInch = 2540;
inline constexpr int kPointsPerInch = 72;
inline constexpr int kStandardDpi = 96;

// value * numerator / denominator to the nearest whole number, halves away from zero, and
// -1 where the result does not fit (MulDiv's answer). The denominator is not 0.
constexpr int ScaleRounded(int value, int numerator, int denominator) {
    if (denominator < 0) {
        value = -value;
        denominator = -denominator;
    }
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t result = (product >= 0 ? product + half : product - half) / denominator;
    return result > 2147483647 || result < -2147483647 ? -1 : static_cast<int>(result);
}

constexpr int PixelsFromTwips(int twips, int dpi) { return ScaleRounded(twips, dpi, kTwipsPerInch); }
constexpr int HimetricFromTwips(int twips) { return ScaleRounded(twips, kHimetricPerInch, kTwipsPerInch); }
constexpr int HimetricFromPixels(int pixels, int dpi) { return ScaleRounded(pixels, kHimetricPerInch, dpi); }
// A font's height in pixels, from its size in 1/100 point.
constexpr int PixelsFromHundredthsOfPoint(int hundredths, int dpi) {
    return ScaleRounded(hundredths, dpi, 100 * kPointsPerInch);
}
// A length drawn for the standard 96 dots per inch, at another.
constexpr int PixelsAtDpi(int standardPixels, int dpi) { return ScaleRounded(standardPixels, dpi, kStandardDpi); }

constexpr float TwipsFromPixels(float pixels, float dpi) { return pixels * kTwipsPerInch / dpi; }
inline long NearestPixelsFromTwips(float twips, float dpi) { return std::lround(twips * dpi / kTwipsPerInch); }

// Multiplied first and then divided ...
constexpr float TwipsFromHimetric(float himetric) {
    return himetric * static_cast<float>(kTwipsPerInch) / static_cast<float>(kHimetricPerInch);
}
// ... or multiplied by the ratio, in the caller's precision: the two differ in the last bit.
template <class Real>
inline constexpr Real kTwipsPerHimetric = static_cast<Real>(kTwipsPerInch) / static_cast<Real>(kHimetricPerInch);

}  // namespace platform
