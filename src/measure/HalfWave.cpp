#include "measure/HalfWave.h"

#include "measure/Rounding.h"

#include <algorithm>
#include <cstdio>

namespace zvk {

namespace {
// Low 16 bits of a track entry, unsigned; entries past the array read as 0,
// which also ends the end search.
uint16 Low16(const SampleArray& track, int32 i) {
    return i < kSampleArrayLength ? static_cast<uint16>(track[static_cast<std::size_t>(i)])
                                  : uint16{0};
}
} // namespace

HalfWave FindHalfWave(const SampleArray& track, uint16 signIndex, uint16 step, int16 skip,
                      double gain) {
    HalfWave result;
    const double threshold = 1.0 / gain;
    uint16 p = signIndex;

    // Rising edge. The test runs at least once.
    for (;;) {
        const uint16 a = Low16(track, p);
        const uint16 b = Low16(track, p + step);
        const uint16 c = Low16(track, p + 2 * step);
        ++p;
        if (a <= threshold && b > a && c > a) {
            break;
        }
        if (p >= kHalfWaveSearchLimit) {
            break;
        }
    }
    result.start = static_cast<uint16>(p - 1);

    // End of the half-wave: one past its last non-zero entry.
    p = static_cast<uint16>(p + skip);
    for (;;) {
        const uint16 a = Low16(track, p);
        p = static_cast<uint16>(p + 1);
        if (a == 0 || p == kHalfWaveSearchLimit) {
            break;
        }
    }
    result.end = p;
    if (result.end == result.start) {
        result.end = static_cast<uint16>(result.start + 1);
    }

    const int32 length = static_cast<int32>(result.end) - static_cast<int32>(result.start);
    result.frequency = static_cast<double>(22050.0L / length);
    return result;
}

namespace {
std::string Hz(const char* format, long long n) {
    char text[40];
    std::snprintf(text, sizeof text, format, n);
    return text;
}
} // namespace

std::string CoarseFrequencyText(double frequency) {
    return Hz(" %5lldHz", Round(frequency));
}

std::string FineFrequencyText(double frequency, bool fromGenerator) {
    if (frequency > kHighestShownFrequency) {
        return "f > fmax";
    }
    // Bounded below so that doubling the rounded half cannot overflow.
    const long double f = std::max<long double>(frequency, -1e15L);
    const long long n = fromGenerator ? Round(f) : 2 * Round(f / 2);
    return Hz(" %4lldHz", n);
}

} // namespace zvk
