#include "display/Trigger.h"
#include "core/Form1.h"

namespace zvk {

// GUI thread only, inside the display cycle.

TriggerChannel TForm1::ChooseTriggerChannel() {
    return ChooseTrigger(ComboBox4->ItemIndex(), leftPeak, rightPeak);
}

void TForm1::TriggerStep(TriggerChannel channel) {
    switch (channel) {
    case TriggerChannel::Left:
        FindFirstNegativeLeft();
        FilterNegativeTrack(leftSamples, leftTrack, leftSignIndex, sampleCount, leftTrackDivisor);
        leftTraceStart = FindTriggerStart(leftTrack, leftSignIndex);
        break;
    case TriggerChannel::Right:
        FindFirstNegativeRight();
        FilterNegativeTrack(rightSamples, rightTrack, rightSignIndex, sampleCount,
                            rightTrackDivisor);
        rightTraceStart = FindTriggerStart(rightTrack, rightSignIndex);
        break;
    case TriggerChannel::None:
        break;
    }
}

} // namespace zvk
