// The vertical ranges: their table, the automatic choice from a channel's
// peak, the range boxes' items and the scale numbers. Pure functions.
#pragma once

#include "core/SharedTypes.h"

#include <optional>
#include <string>

namespace zvk {

struct VerticalRangeInfo {
    const char* name;       // "1 mV" ... "50 V"
    const char* topText;    // unit box above the scale
    const char* bottomText; // unit box below the scale
    double divisionValue;   // number at the first 20-pixel step, in the unit shown
    double gain;            // 100 mV divided by the range
};

const VerticalRangeInfo& RangeInfo(VerticalRange range);

// Automatic choice from the peak in sample units; a band holds its lower bound.
VerticalRange LeftAutoRange(uint16 peak);
VerticalRange RightAutoRange(uint16 peak);

// Range of an item of the left (ComboBox9) or right (ComboBox10) range box;
// nothing for "automaticky", no selection or an index beyond the items.
std::optional<VerticalRange> LeftBoxRange(int itemIndex);
std::optional<VerticalRange> RightBoxRange(int itemIndex);

// A scale number: right-aligned in three characters, one decimal when the
// division value is below 1.0, none otherwise.
std::string FormatScaleNumber(double value, double divisionValue);

} // namespace zvk
