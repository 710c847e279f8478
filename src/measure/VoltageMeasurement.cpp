#include "core/Form1.h"
#include "measure/ChannelSplit.h"

namespace zvk {

// GUI thread only: the capture copy is never written while these run.

void TForm1::MeasureLeftVoltage() {
    leftPeak = 0;
    SplitChannel(captureCopy, leftSamples, sampleCount, kLeftSlot);
    leftPeak = PeakMagnitude(leftSamples, sampleCount);
    AccumulateSquares(leftSamples, leftSquareSums, sampleCount);
    leftVoltage = EffectiveVoltage(leftSquareSums, sampleCount, leftCalibration);
    Edit4->SetText(VoltageText(leftVoltage));
}

void TForm1::MeasureRightVoltage() {
    rightPeak = 0;
    SplitChannel(captureCopy, rightSamples, sampleCount, kRightSlot);
    rightPeak = PeakMagnitude(rightSamples, sampleCount);
    AccumulateSquares(rightSamples, rightSquareSums, sampleCount);
    rightVoltage = EffectiveVoltage(rightSquareSums, sampleCount, rightCalibration);
    Edit1->SetText(VoltageText(rightVoltage));
}

} // namespace zvk
