// Frequency from the length of one positive half-wave of a channel's track,
// and the texts of the frequency readouts.
#pragma once

#include "measure/SampleArrays.h"

#include <string>

namespace zvk {

// Fixed index where both searches give up, whatever sampleCount is.
inline constexpr int32 kHalfWaveSearchLimit = 20000;
// A coarse reading above this gets the fine pass.
inline constexpr double kFinePassAbove = 100.0;
// A fine reading above this cannot be shown.
inline constexpr double kHighestShownFrequency = 2500.0;

struct HalfWave {
    uint16 start = 0;
    uint16 end = 0;
    double frequency = 0.0;
};

// From the sign index on, finds a rising edge (a value at or below 1 / gain
// with the values step and 2 * step further both above it), skips skip
// entries and finds the end of the half-wave at the next 0. Track values are
// read as their low 16 bits, unsigned. Frequency = 22050 / (end - start).
HalfWave FindHalfWave(const SampleArray& track, uint16 signIndex, uint16 step, int16 skip,
                      double gain);

// " " + Round(f) in 5 columns + "Hz" ("    50Hz").
std::string CoarseFrequencyText(double frequency);

// "f > fmax" above the limit, else " " + n in 4 columns + "Hz", n in 2-Hz
// steps, or in 1-Hz steps while the readout follows the generator.
std::string FineFrequencyText(double frequency, bool fromGenerator);

} // namespace zvk
