// One frame of both traces: the previous frame erased and the new one drawn
// segment by segment, then the drawn samples kept as the next erase. Steps of
// the display cycle, callable on their own. GUI thread only.
#pragma once

namespace zvk {

class TForm1;

// Number of trace points in a frame.
inline constexpr int kFramePoints = 1000;

// Draws the centre line and the frame whose point q shows entry
// traceStart + q x samplesPerPoint of each channel.
void DrawTraceFrame(TForm1& form, long long traceStart);

// previous[i] := samples[i + traceStart] for i = 1 to sampleCount.
void KeepPreviousTraces(TForm1& form, long long traceStart);

} // namespace zvk
