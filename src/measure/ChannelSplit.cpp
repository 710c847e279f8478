#include "measure/ChannelSplit.h"

#include "measure/Rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zvk {

void SplitChannel(const SampleArray& capture, SampleArray& samples, int32 sampleCount, int32 slot) {
    const int32 n = LoopBound(sampleCount);
    const auto offset = static_cast<std::size_t>(slot & 1);
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
        samples[k] = capture[2 * k + offset];
    }
}

uint16 PeakMagnitude(const SampleArray& samples, int32 sampleCount) {
    const int32 n = LoopBound(sampleCount);
    std::int64_t peak = 0;
    for (std::size_t k = 1; k < static_cast<std::size_t>(n); ++k) {
        const std::int64_t m = std::llabs(samples[k]);
        if (m >= peak) {
            peak = m;
        }
    }
    // Samples are 16-bit values, so the peak is at most 32768.
    return static_cast<uint16>(peak);
}

void AccumulateSquares(const SampleArray& samples, SquareSumArray& sums, int32 sampleCount) {
    const int32 n = LoopBound(sampleCount);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(n); ++k) {
        const std::int64_t s = samples[k];
        sums[k + 1] = sums[k] + static_cast<double>(s * s);
    }
}

double EffectiveVoltage(const SquareSumArray& sums, int32 sampleCount, double calibration) {
    const int32 n = LoopBound(sampleCount);
    if (n == 0) {
        return 0.0;
    }
    const long double mean = static_cast<long double>(sums[static_cast<std::size_t>(n) + 1]) / n;
    return static_cast<double>(std::sqrt(mean) * static_cast<long double>(calibration));
}

namespace {
std::string Printf(const char* format, long long a) {
    char text[32];
    std::snprintf(text, sizeof text, format, a);
    return text;
}

// "w.f" of a value given in tenths or hundredths, built from integers so the
// printed digits never depend on binary fractions.
std::string Fixed(long long scaled, long long scale, int decimals, int width) {
    const bool negative = scaled < 0;
    const unsigned long long m = negative ? 0ULL - static_cast<unsigned long long>(scaled)
                                          : static_cast<unsigned long long>(scaled);
    const auto s = static_cast<unsigned long long>(scale);
    char text[48];
    std::snprintf(text, sizeof text, decimals == 1 ? "%llu.%01llu" : "%llu.%02llu", m / s, m % s);
    std::string body = text;
    if (negative) {
        body.insert(body.begin(), '-');
    }
    if (static_cast<int>(body.size()) < width) {
        body.insert(0, static_cast<std::size_t>(width) - body.size(), ' ');
    }
    return body;
}
} // namespace

std::string VoltageText(double millivolts) {
    const long double v = millivolts;
    if (v < 100) {
        return Fixed(Round(v * 10), 10, 1, 4) + "mV";
    }
    if (v < 1000) {
        return Printf("%4lld", Round(v)) + "mV";
    }
    // Round(v) / 1000 shown with two decimals: a last digit of exactly 5
    // goes to the even neighbour, as Round does.
    const long long whole = Round(v);
    long long hundredths = whole / 10;
    const long long rest = whole % 10;
    if (rest > 5 || (rest == 5 && (hundredths & 1) != 0)) {
        ++hundredths;
    }
    return Fixed(hundredths, 100, 2, 2) + "V";
}

} // namespace zvk
