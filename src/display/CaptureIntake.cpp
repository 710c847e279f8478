#include "display/CaptureIntake.h"

#include "core/Form1.h"

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

// OnBufferFilled of AudioIn1, delivered on the GUI thread between two idle
// cycles. Refusing the buffer lets the stream close after its pool has come
// back; the next idle cycle opens it again.
bool TForm1::AudioIn1BufferFilled(std::uint8_t* Buffer, std::int32_t& Size) {
    sampleCount = TakeCaptureBuffer(Buffer, Size, captureCopy);
    return false;
}

} // namespace zvk
