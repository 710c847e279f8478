#include "generator/ToneSynthesis.h"

#include <cmath>
#include <limits>

namespace zvk {

long double TonePhase(std::int32_t n, std::int32_t frameRate, std::int32_t frequency) {
    const long double t = static_cast<long double>(n) / static_cast<long double>(frameRate);
    return t * 3.14159L * 2.0L * static_cast<long double>(frequency);
}

std::int64_t ToneTerm(std::int32_t n, std::int32_t frameRate, std::int32_t frequency,
                      std::int32_t amplitude) {
    if (amplitude == 0)
        return 0;
    const long double theta = TonePhase(n, frameRate, frequency);
    if (!std::isfinite(theta)) // a stream without a frame rate: silence, not garbage
        return 0;
    const long double a = static_cast<long double>(amplitude);

    // The double sine is ten times faster than the long double one. It gives
    // the same rounded term unless the product lies near a half, within what
    // the narrower phase and the double sine can be off; only then is the
    // long double sine needed.
    const double thetaD = static_cast<double>(theta);
    const double phaseError = static_cast<double>(std::fabs(theta - thetaD));
    const double ad = static_cast<double>(amplitude);
    const double fast = std::sin(thetaD) * ad;
    const double bound = std::fabs(ad) * (phaseError + 0x1p-50) + 0x1p-40;
    const double distanceToHalf = std::fabs(fast - std::floor(fast) - 0.5);
    if (distanceToHalf > 4 * bound)
        return std::lrint(fast); // default rounding mode: halves to even

    // |sin * amplitude| <= 2^31, so the conversion cannot overflow.
    return static_cast<std::int64_t>(std::nearbyint(std::sin(theta) * a));
}

std::int16_t SaturateSample(std::int64_t value) {
    if (value > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (value < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(value);
}

void FillTwoTone(std::int16_t* out, std::int32_t count, std::int32_t frameRate,
                 std::int32_t frequency1, std::int32_t amplitude1, std::int32_t frequency2,
                 std::int32_t amplitude2) {
    for (std::int32_t n = 0; n < count; ++n) {
        const std::int64_t a = ToneTerm(n, frameRate, frequency1, amplitude1);
        const std::int64_t b = ToneTerm(n, frameRate, frequency2, amplitude2);
        out[n] = SaturateSample(a + b);
    }
}

std::int32_t SweepStartFactor(std::int32_t from) {
    const long double r = std::nearbyint(static_cast<long double>(from) / 5.0L);
    return r < 1.0L ? 1 : static_cast<std::int32_t>(r);
}

std::int32_t SweepStepLength(std::int32_t to) {
    const long double r = std::nearbyint(static_cast<long double>(to) / 25.0L);
    return r < 1.0L ? 1 : static_cast<std::int32_t>(r);
}

void FillSwept(std::int16_t* out, std::int32_t count, std::int32_t frameRate,
               std::int32_t amplitude, SweepState& state) {
    if (state.stepLength < 1)
        state.stepLength = 1;
    for (std::int32_t n = 0; n < count; ++n) {
        out[n] = SaturateSample(ToneTerm(n, frameRate, state.factor, amplitude));
        ++state.stepCounter;
        if (state.stepCounter >= state.stepLength) {
            if (state.factor < std::numeric_limits<std::int32_t>::max())
                ++state.factor;
            state.stepCounter = 0;
        }
    }
}

} // namespace zvk
