// Start requests the generator panels make of the window's two streams.
// GUI thread.
#pragma once

#include "audio/AudioIO.h"

namespace zvk {

// Capture restarts after a frequency change: one retry if the first is refused.
inline void StartCaptureWithRetry(TAudioIn*& stream) {
    if (stream && !stream->StartStream(stream) && stream)
        stream->StartStream(stream);
}

// Playback only needs opening if it is not playing yet; one request.
inline void RequestPlayback(TAudioOut*& stream) {
    if (stream)
        stream->StartStream(stream);
}

} // namespace zvk
