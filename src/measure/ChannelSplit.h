// Channel split, peak and effective voltage of one channel, with the text of
// its voltage readout.
#pragma once

#include "measure/SampleArrays.h"

#include <string>

namespace zvk {

// Position of a channel's value within each interleaved stereo frame.
inline constexpr int32 kRightSlot = 0;
inline constexpr int32 kLeftSlot = 1;

// samples[k] := capture[2k + slot] for k = 0 .. sampleCount - 1.
void SplitChannel(const SampleArray& capture, SampleArray& samples, int32 sampleCount, int32 slot);

// Largest magnitude among entries 1 .. sampleCount - 1 (0 .. 32768).
uint16 PeakMagnitude(const SampleArray& samples, int32 sampleCount);

// sums[k + 1] := sums[k] + samples[k]^2 for k = 1 .. sampleCount.
void AccumulateSquares(const SampleArray& samples, SquareSumArray& sums, int32 sampleCount);

// sqrt(sums[sampleCount + 1] / sampleCount) * calibration, in millivolts; an
// empty buffer measures 0.
double EffectiveVoltage(const SquareSumArray& sums, int32 sampleCount, double calibration);

// " 0.0mV", " 332mV", "1.54V": below 100 mV with one decimal, below 1 V in
// whole millivolts, above in volts with two decimals.
std::string VoltageText(double millivolts);

} // namespace zvk
