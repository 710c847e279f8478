// Pixel positions of the screen's drawings, computed in extended precision
// in the order the drawings need and rounded to the nearest pixel, halves to
// the even neighbour. Pure functions.
#pragma once

#include <algorithm>
#include <cmath>

namespace zvk {

// Nearest integer, halves to even; far-off values are held well inside int
// so that a wild coordinate is clipped by the canvas instead of overflowing.
inline int RoundPixel(long double v) {
    if (!(v == v))
        return 0;
    v = std::clamp(v, -1.0e9L, 1.0e9L);
    // Adding 2^63 leaves no fraction bits in the 64-bit significand, so the
    // sum is rounded to an integer in the current mode (nearest, halves to
    // even) just as nearbyintl would, without its library call: the frame
    // rounds 5000 coordinates.
    constexpr long double kShift = 9223372036854775808.0L; // 2^63
    const long double r = v >= 0 ? (v + kShift) - kShift : (v - kShift) + kShift;
    return static_cast<int>(r);
}

// Horizontal unit of the graticule and the time axis for a client width.
inline double GridUnitFor(int clientWidth) {
    return (clientWidth - 40) / 200.0;
}

// Vertical graticule line k (1 to 10).
inline int GraticuleLineX(double gridUnit, int k) {
    return RoundPixel(static_cast<long double>(gridUnit) * 2 * k * 9.73L + 55);
}

// Time axis, with D = 2 x gridUnit.
inline int SmallTickX(double D, int i) {
    return RoundPixel(static_cast<long double>(D) * i * 0.973L + 55);
}
inline int DivisionTickX(double D, int i) {
    return RoundPixel(static_cast<long double>(D) * i * 9.73L + 55);
}
inline int DivisionNumberX(double D, int i, int a) {
    return RoundPixel(static_cast<long double>(D) * i * 9.73L + a);
}
inline int EndTextX(double D, int b) {
    return RoundPixel(static_cast<long double>(D) * 97.3L + b);
}

// Trace point q (1 to 1000) at h pixels per point: point 1 lies at x = 55.
inline int TracePointX(int q, double h) {
    return RoundPixel(q * static_cast<long double>(h) + (55 - static_cast<long double>(h)));
}

// A sample's row: centre H / 2 as a real number, positive samples below it.
inline int TracePointY(int clientHeight, int sample, double factor, double gain) {
    return RoundPixel(static_cast<long double>(clientHeight) / 2 +
                      static_cast<long double>(sample) * factor * gain);
}

// The erase's row: centre H div 2.
inline int ErasePointY(int clientHeight, int sample, double factor, double gain) {
    return RoundPixel(static_cast<long double>(clientHeight / 2) +
                      static_cast<long double>(sample) * factor * gain);
}

} // namespace zvk
