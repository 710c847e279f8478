#include "core/Form1.h"
#include "measure/SignSearch.h"

namespace zvk {

// The positive searches start the frequency measurement, the negative ones the
// trigger step. GUI thread only, like every operation of the window.

void TForm1::FindFirstPositiveLeft() {
    FindFirstSign(leftSamples, leftTrack, leftSignIndex, sampleCount, Sign::Positive);
}

void TForm1::FindFirstPositiveRight() {
    FindFirstSign(rightSamples, rightTrack, rightSignIndex, sampleCount, Sign::Positive);
}

void TForm1::FindFirstNegativeLeft() {
    FindFirstSign(leftSamples, leftTrack, leftSignIndex, sampleCount, Sign::Negative);
}

void TForm1::FindFirstNegativeRight() {
    FindFirstSign(rightSamples, rightTrack, rightSignIndex, sampleCount, Sign::Negative);
}

} // namespace zvk
