// Array types and the bounds every per-buffer loop relies on.
#pragma once

#include "core/SharedTypes.h"

#include <array>

namespace zvk {

using SampleArray = std::array<int32, kSampleArrayLength>;
using SquareSumArray = std::array<double, kSquareSumsLength>;

// The split reads the capture copy up to entry 2 * sampleCount - 1, so no
// buffer may give more values per channel than half the copy holds.
inline constexpr int32 kMaxSampleCount = kSampleArrayLength / 2;

// The searches treat sampleCount as an unsigned 16-bit number; this keeps the
// result inside what the arrays can take even for a count nothing should set.
constexpr int32 SearchBound(int32 sampleCount) {
    const auto n = static_cast<int32>(static_cast<uint16>(sampleCount));
    return n < kMaxSampleCount ? n : kMaxSampleCount;
}

// Loop bound of the split, peak, sums and track filters.
constexpr int32 LoopBound(int32 sampleCount) {
    if (sampleCount < 0) {
        return 0;
    }
    return sampleCount < kMaxSampleCount ? sampleCount : kMaxSampleCount;
}

} // namespace zvk
