#include "measure/SignSearch.h"

namespace zvk {

void FindFirstSign(const SampleArray& samples, SampleArray& track, uint16& index, int32 sampleCount,
                   Sign sign) {
    const int32 n = SearchBound(sampleCount);
    for (int32 pos = 1; pos <= n; ++pos) {
        const int32 s = samples[static_cast<std::size_t>(pos)];
        if (sign == Sign::Positive ? s > 0 : s < 0) {
            index = static_cast<uint16>(pos);
            track[static_cast<std::size_t>(pos)] = s;
            return;
        }
    }
}

} // namespace zvk
