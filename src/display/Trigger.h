// The fixed-level trigger: a frame starts where a channel first falls to -K
// after having been at zero or above.
#pragma once

#include "core/SharedTypes.h"
#include "measure/SampleArrays.h"

namespace zvk {

// The trace start when no trigger point is found; the entries drawn from it
// on are all 0.
inline constexpr uint16 kNoTriggerStart = 19998;
// The search looks at track pairs up to (19999, 20000).
inline constexpr int32 kTriggerSearchLimit = 20000;

// For i = signIndex + 1 .. sampleCount: track[i] := 0 where samples[i] >= 0,
// else the smoothing step from track[i - 1].
void FilterNegativeTrack(const SampleArray& samples, SampleArray& track, uint16 signIndex,
                         int32 sampleCount, int32 divisor);

// First j from signIndex + 1 with track[j] = 0 and track[j + 1] != 0 (low 16
// bits) and j < 20000; returns j - 1, or kNoTriggerStart.
uint16 FindTriggerStart(const SampleArray& track, uint16 signIndex);

// From the trigger-source box: 0 automatic (right only when its peak is
// strictly above 1.5 times the left one), 1 left, 2 right, anything else none.
TriggerChannel ChooseTrigger(int itemIndex, uint16 leftPeak, uint16 rightPeak);

} // namespace zvk
