#include "measure/TrackFilter.h"

namespace zvk {

void FilterPositiveTrack(const SampleArray& samples, SampleArray& track, uint16 signIndex,
                         int32 sampleCount, int32 divisor) {
    const int32 last = LoopBound(sampleCount);
    for (int32 i = static_cast<int32>(signIndex) + 1; i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i);
        track[k] = samples[k] >= 0 ? TrackStep(samples[k], track[k - 1], divisor) : 0;
    }
}

} // namespace zvk
