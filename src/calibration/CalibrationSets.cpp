#include "calibration/CalibrationSets.h"

#include "core/Form1.h"

#include <cmath>

namespace zvk {

namespace {
void Apply(TForm1& form, const CalibrationSet& set) {
    form.leftCalibration = set.leftCalibration;
    form.rightCalibration = set.rightCalibration;
    form.leftDisplayFactor = set.leftDisplayFactor;
    form.rightDisplayFactor = set.rightDisplayFactor;
}
} // namespace

void ApplyStartUpCalibration(TForm1& form) {
    Apply(form, kStartUpCalibration);
}

void ApplyOptimumCalibration(TForm1& form) {
    Apply(form, kOptimumCalibration);
}

std::int64_t OptimumAmplitudeReadout(std::int32_t amplitude) {
    const long double readout = static_cast<long double>(amplitude) / 32.767L * 1.1L;
    return static_cast<std::int64_t>(std::nearbyint(readout));
}

} // namespace zvk
