// First-sign search: the first entry from 1 on whose sign is the one sought.
#pragma once

#include "measure/SampleArrays.h"

namespace zvk {

enum class Sign { Positive, Negative };

// Looks at entries 1..n, n = sampleCount as an unsigned 16-bit number. On the
// first match sets index to its position and seeds track there with the
// sample; with no match (or n = 0) leaves both unchanged.
void FindFirstSign(const SampleArray& samples, SampleArray& track, uint16& index, int32 sampleCount,
                   Sign sign);

} // namespace zvk
