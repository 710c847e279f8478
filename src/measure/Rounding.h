// Round (nearest, halves to even) and Trunc (toward zero) of extended-precision
// values into integers. Out-of-range values saturate and NaN gives 0, so no
// conversion is ever undefined.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace zvk {

namespace detail {
template <class Int> Int SaturatingCast(long double x) {
    if (std::isnan(x)) {
        return 0;
    }
    constexpr auto lo = static_cast<long double>(std::numeric_limits<Int>::min());
    constexpr auto hi = static_cast<long double>(std::numeric_limits<Int>::max());
    if (x <= lo) {
        return std::numeric_limits<Int>::min();
    }
    if (x >= hi) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(x);
}
} // namespace detail

// Relies on the default rounding mode, which the program never changes.
inline std::int64_t Round(long double x) {
    return detail::SaturatingCast<std::int64_t>(std::nearbyint(x));
}

inline std::int32_t Trunc32(long double x) {
    return detail::SaturatingCast<std::int32_t>(std::trunc(x));
}

} // namespace zvk
