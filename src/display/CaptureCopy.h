// Taking a capture buffer into the instrument state.
#pragma once

#include "measure/SampleArrays.h"

#include <cstdint>

namespace zvk {

// Copies the buffer's signed 16-bit little-endian values into copy (at most
// as many as it holds) and returns the new sampleCount: size div 2, kept
// within 0 .. kMaxSampleCount so no later loop can leave the arrays. An odd
// last byte is ignored; a null buffer or a negative size counts as empty.
int32 TakeCaptureBuffer(const std::uint8_t* buffer, std::int32_t size, SampleArray& copy);

} // namespace zvk
