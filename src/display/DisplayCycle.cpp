#include "core/Form1.h"
#include "display/TraceFrame.h"

namespace zvk {

void TForm1::DisplayCycle() {
    MeasureLeftVoltage();
    SelectLeftRange();
    MeasureLeftFrequency();
    MeasureRightVoltage();
    SelectRightRange();
    MeasureRightFrequency();

    const TriggerChannel channel = ChooseTriggerChannel();
    if (channel == TriggerChannel::None)
        return;
    SelectTimeBase(channel);
    DrawScales();
    TriggerStep(channel);
    const long long s = channel == TriggerChannel::Left ? leftTraceStart : rightTraceStart;

    if (!displayDrawingOff)
        DrawTraceFrame(*this, s);
    KeepPreviousTraces(*this, s);
    if (!displayDrawingOff)
        Canvas()->Pen.Width = 1;
}

} // namespace zvk
