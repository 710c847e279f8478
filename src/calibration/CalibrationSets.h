// The two fixed sets of calibration factors and the operations that put one
// in force. Nothing else writes the four factors. GUI thread.
#pragma once

#include <cstdint>

namespace zvk {

class TForm1;

struct CalibrationSet {
    double leftCalibration;    // mV per sample unit of RMS value, left channel
    double rightCalibration;   // the same, right channel
    double leftDisplayFactor;  // pixels per sample unit at range gain 1.0, left trace
    double rightDisplayFactor; // the same, right trace
};

// In force from the window's creation until the first "optimum".
inline constexpr CalibrationSet kStartUpCalibration{0.066465, 0.066424, 0.089, 0.089};
// In force from "optimum" on.
inline constexpr CalibrationSet kOptimumCalibration{0.02644596, 0.035, 0.042, 0.0494};

void ApplyStartUpCalibration(TForm1& form);
void ApplyOptimumCalibration(TForm1& form);

// Generator 1's amplitude readout as "optimum" writes it:
// round(amplitude / 32.767 * 1.1), halves to even.
std::int64_t OptimumAmplitudeReadout(std::int32_t amplitude);

} // namespace zvk
