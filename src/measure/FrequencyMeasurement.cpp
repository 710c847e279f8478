#include "core/Form1.h"
#include "measure/HalfWave.h"
#include "measure/RangeGain.h"
#include "measure/TrackFilter.h"

namespace zvk {

// GUI thread only. Each measurement overwrites its channel's track from the
// first positive sample on; the trigger rebuilds the track it needs later in
// the cycle.

namespace {
constexpr uint16 kCoarseStep = 3;
constexpr int16 kCoarseSkip = 95;
constexpr uint16 kFineStep = 1;
constexpr int16 kFineSkip = 5;
constexpr int32 kTrackDivisor = 16;

// The frequency the readout and the time base use.
void TakeFrequency(double& frequency, double measured, int16 fromGenerator, int32 generator) {
    if (fromGenerator == 0) {
        frequency = measured;
    } else if (fromGenerator == 1) {
        frequency = generator;
    }
}
} // namespace

void TForm1::FindLeftHalfWave() {
    const HalfWave wave =
        FindHalfWave(leftTrack, leftSignIndex, leftSearchStep, leftSearchSkip, leftRangeGain);
    leftHalfWaveStart = wave.start;
    leftHalfWaveEnd = wave.end;
    leftMeasuredFrequency = wave.frequency;
}

void TForm1::FindRightHalfWave() {
    // On the two largest ranges the search keeps the 10 V threshold.
    const bool highRange =
        rightAppliedRange == VerticalRange::V20 || rightAppliedRange == VerticalRange::V50;
    if (highRange) {
        rightRangeGain = RangeGain(VerticalRange::V10);
    }
    const HalfWave wave =
        FindHalfWave(rightTrack, rightSignIndex, rightSearchStep, rightSearchSkip, rightRangeGain);
    rightHalfWaveStart = wave.start;
    rightHalfWaveEnd = wave.end;
    rightMeasuredFrequency = wave.frequency;
    if (highRange) {
        rightRangeGain = RangeGain(rightAppliedRange);
    }
}

void TForm1::MeasureLeftFrequency() {
    const auto pass = [this](uint16 step, int16 skip) {
        leftSearchStep = step;
        leftSearchSkip = skip;
        leftTrackDivisor = kTrackDivisor;
        FindFirstPositiveLeft();
        FilterPositiveTrack(leftSamples, leftTrack, leftSignIndex, sampleCount, leftTrackDivisor);
        FindLeftHalfWave();
        TakeFrequency(leftFrequency, leftMeasuredFrequency, timeBaseFromGenerator, gen1Frequency);
    };
    pass(kCoarseStep, kCoarseSkip);
    if (leftFrequency > kFinePassAbove) {
        pass(kFineStep, kFineSkip);
        Edit12->SetText(FineFrequencyText(leftFrequency, timeBaseFromGenerator == 1));
        if (!(leftFrequency > kHighestShownFrequency)) {
            Panel14->SetVisible(false);
        }
    } else {
        Edit12->SetText(CoarseFrequencyText(leftFrequency));
    }
}

void TForm1::MeasureRightFrequency() {
    const auto pass = [this](uint16 step, int16 skip) {
        rightSearchStep = step;
        rightSearchSkip = skip;
        rightTrackDivisor = kTrackDivisor;
        FindFirstPositiveRight();
        FilterPositiveTrack(rightSamples, rightTrack, rightSignIndex, sampleCount,
                            rightTrackDivisor);
        FindRightHalfWave();
        TakeFrequency(rightFrequency, rightMeasuredFrequency, timeBaseFromGenerator, gen1Frequency);
    };
    pass(kCoarseStep, kCoarseSkip);
    if (rightFrequency > kFinePassAbove) {
        pass(kFineStep, kFineSkip);
        Edit8->SetText(FineFrequencyText(rightFrequency, timeBaseFromGenerator == 1));
        if (!(rightFrequency > kHighestShownFrequency)) {
            Panel14->SetVisible(false);
        }
    } else {
        Edit8->SetText(CoarseFrequencyText(rightFrequency));
    }
}

} // namespace zvk
