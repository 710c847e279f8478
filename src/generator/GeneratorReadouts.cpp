#include "generator/GeneratorReadouts.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace zvk {

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();

std::int32_t ClampToInt32(std::int64_t v) {
    if (v > kInt32Max)
        return static_cast<std::int32_t>(kInt32Max);
    if (v < kInt32Min)
        return static_cast<std::int32_t>(kInt32Min);
    return static_cast<std::int32_t>(v);
}

// Halves to even; every caller's value is far inside int64.
std::int64_t RoundToInt64(long double x) {
    return static_cast<std::int64_t>(std::nearbyint(x));
}

} // namespace

std::int64_t Gen1AmplitudeReadout(std::int32_t amplitude) {
    return RoundToInt64(static_cast<long double>(amplitude) / 32.767L * 0.78L * 2.4L);
}

std::int64_t Gen2AmplitudeReadout(std::int32_t amplitude) {
    return RoundToInt64(static_cast<long double>(amplitude) / 32.767L * 1.1L);
}

std::int32_t AmplitudeFromEntry(std::int32_t entered) {
    return ClampToInt32(RoundToInt64(static_cast<long double>(entered) * 32.767L));
}

std::int32_t Gen1KiloHertzFrequency(std::int32_t position) {
    return ClampToInt32(RoundToInt64(static_cast<long double>(position) / 100.0L) * 100);
}

std::string Gen1KiloHertzText(std::int32_t position) {
    const std::int64_t hundredths = RoundToInt64(static_cast<long double>(position) / 10.0L);
    const bool negative = hundredths < 0;
    const std::int64_t magnitude = negative ? -hundredths : hundredths;
    std::int64_t tenths = magnitude / 10;
    const std::int64_t rest = magnitude % 10;
    if (rest > 5 || (rest == 5 && tenths % 2 != 0))
        ++tenths;
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%lld", negative && tenths != 0 ? "-" : "",
                  static_cast<long long>(tenths / 10), static_cast<long long>(tenths % 10));
    std::string s = text;
    while (s.size() < 2) // minimum width 2, right-aligned
        s.insert(s.begin(), ' ');
    return s;
}

std::string LeadingBlank(const std::string& text) {
    std::string s;
    s.reserve(text.size() + 1);
    s.push_back(' ');
    s.append(text);
    return s;
}

std::int32_t AutoTickFrequency(std::int32_t tick, std::int32_t step, std::int32_t from) {
    const std::int64_t f = static_cast<std::int64_t>(tick) * step + from;
    return ClampToInt32(f);
}

std::int32_t AutoStepCount(std::int32_t from, std::int32_t to, std::int32_t step) {
    if (step == 0)
        return 1;
    const long double span = static_cast<long double>(to) - static_cast<long double>(from);
    const std::int64_t count = RoundToInt64(span / static_cast<long double>(step));
    return count < 1 ? 1 : ClampToInt32(count);
}

} // namespace zvk
