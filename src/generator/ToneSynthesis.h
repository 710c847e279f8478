// Sample synthesis of the playback signal: pure functions, no widgets.
// Any thread; they touch nothing but their arguments.
#pragma once

#include "core/SharedTypes.h"

#include <cstdint>

namespace zvk {

// Bytes one fill writes in each mode (22050 and 5000 mono 16-bit samples).
inline constexpr std::int32_t kTwoToneFillBytes = 44100;
inline constexpr std::int32_t kSweptFillBytes = 10000;

// Phase of sample n at frequency factor f for a stream of frameRate samples
// per second: ((n / R) * 3.14159) * 2 * f, in that order, in long double.
// The short constant is deliberate: it is what the instrument has always
// played, and the reference samples depend on it.
long double TonePhase(std::int32_t n, std::int32_t frameRate, std::int32_t frequency);

// round(sin(phase) * amplitude), halves to even. Wide enough for any int32
// amplitude.
std::int64_t ToneTerm(std::int32_t n, std::int32_t frameRate, std::int32_t frequency,
                      std::int32_t amplitude);

// Limits a sum of terms to the 16-bit sample range instead of wrapping it.
std::int16_t SaturateSample(std::int64_t value);

// Two tones summed into out[0..count-1].
void FillTwoTone(std::int16_t* out, std::int32_t count, std::int32_t frameRate,
                 std::int32_t frequency1, std::int32_t amplitude1, std::int32_t frequency2,
                 std::int32_t amplitude2);

// Start factor of a sweep from the lower box value: round(from / 5), at least 1.
std::int32_t SweepStartFactor(std::int32_t from);
// Samples per factor step from the upper box value: round(to / 25), at least 1.
std::int32_t SweepStepLength(std::int32_t to);

// The sweep's running state; after a fill it holds the values of the last
// sample's successor, as the window's fields expect.
struct SweepState {
    std::int32_t factor = 0;
    std::int32_t stepLength = 1;
    std::int32_t stepCounter = 0;
};

// One swept buffer into out[0..count-1]: the factor rises by 1 every
// stepLength samples; the phase restarts from n with each new factor.
void FillSwept(std::int16_t* out, std::int32_t count, std::int32_t frameRate,
               std::int32_t amplitude, SweepState& state);

} // namespace zvk
