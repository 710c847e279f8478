#include "display/CaptureCopy.h"

#include <algorithm>

namespace zvk {

int32 TakeCaptureBuffer(const std::uint8_t* buffer, std::int32_t size, SampleArray& copy) {
    if (buffer == nullptr || size < 0) {
        return 0;
    }
    const int32 values = size / 2;
    const int32 copied = std::min(values, kSampleArrayLength);
    for (int32 k = 0; k < copied; ++k) {
        const auto lo = static_cast<uint16>(buffer[2 * k]);
        const auto hi = static_cast<uint16>(buffer[2 * k + 1]);
        copy[static_cast<std::size_t>(k)] = static_cast<int16>(static_cast<uint16>(lo | (hi << 8)));
    }
    return std::min(values, kMaxSampleCount);
}

} // namespace zvk
