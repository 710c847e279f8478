// The track: a first-order smoothing of one polarity of a channel's samples,
// reset to 0 by every sample of the other polarity. The frequency measurement
// follows the positive half-waves, the trigger the negative ones.
#pragma once

#include "measure/Rounding.h"
#include "measure/SampleArrays.h"

#include <cstdint>

namespace zvk {

// One step: Trunc(sample / K + previous - previous / K), in extended precision.
inline int32 TrackStep(int32 sample, int32 previous, int32 divisor) {
    if (divisor == 16) {
        // With K = 16 every term is a multiple of 1/16 and the sum is exact, so
        // it equals (sample + 15 * previous) / 16 truncated, done in integers.
        const std::int64_t q = (std::int64_t{sample} + 15 * std::int64_t{previous}) / 16;
        return static_cast<int32>(q);
    }
    const long double s = sample;
    const long double p = previous;
    const long double k = divisor;
    return Trunc32(s / k + p - p / k);
}

// For i = signIndex + 1 .. sampleCount: track[i] := 0 where samples[i] < 0,
// else the smoothing step from track[i - 1].
void FilterPositiveTrack(const SampleArray& samples, SampleArray& track, uint16 signIndex,
                         int32 sampleCount, int32 divisor);

} // namespace zvk
