#include "core/Form1.h"
#include "display/CaptureCopy.h"

namespace zvk {

// OnBufferFilled of AudioIn1, delivered on the GUI thread between two idle
// cycles. Refusing the buffer lets the stream close after its pool has come
// back; the next idle cycle opens it again.
bool TForm1::AudioIn1BufferFilled(std::uint8_t* Buffer, std::int32_t& Size) {
    sampleCount = TakeCaptureBuffer(Buffer, Size, captureCopy);
    return false;
}

} // namespace zvk
