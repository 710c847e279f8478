#include "display/Trigger.h"

#include "measure/TrackFilter.h"

namespace zvk {

void FilterNegativeTrack(const SampleArray& samples, SampleArray& track, uint16 signIndex,
                         int32 sampleCount, int32 divisor) {
    const int32 last = LoopBound(sampleCount);
    for (int32 i = static_cast<int32>(signIndex) + 1; i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i);
        track[k] = samples[k] >= 0 ? 0 : TrackStep(samples[k], track[k - 1], divisor);
    }
}

uint16 FindTriggerStart(const SampleArray& track, uint16 signIndex) {
    // Only pairs below the limit are examined, which keeps every trace start
    // at or below kNoTriggerStart and the renderer's reads inside the arrays.
    for (int32 j = static_cast<int32>(signIndex) + 1; j < kTriggerSearchLimit; ++j) {
        const auto k = static_cast<std::size_t>(j);
        if (static_cast<uint16>(track[k]) == 0 && static_cast<uint16>(track[k + 1]) != 0) {
            return static_cast<uint16>(j - 1);
        }
    }
    return kNoTriggerStart;
}

TriggerChannel ChooseTrigger(int itemIndex, uint16 leftPeak, uint16 rightPeak) {
    switch (itemIndex) {
    case 0:
        return rightPeak > 1.5 * leftPeak ? TriggerChannel::Right : TriggerChannel::Left;
    case 1:
        return TriggerChannel::Left;
    case 2:
        return TriggerChannel::Right;
    default:
        return TriggerChannel::None;
    }
}

} // namespace zvk
