// The time-base settings: their table, the automatic choice from a
// frequency, the time-axis box's items and the time-axis numbers. Pure
// functions.
#pragma once

#include "core/SharedTypes.h"

#include <optional>
#include <string>

namespace zvk {

struct TimeBaseInfo {
    const char* name;      // "100 ms" ... "1 ms"
    double upperFrequency; // top of the automatic band in Hz (included); the last band is open
    double pixelsPerPoint; // pixels between two trace points
    int32 samplesPerPoint; // samples between two trace points
    double divisionStep;   // time-axis number of division i is i times this
    int divisionDecimals;  // decimals of those numbers
    int numberOffsetX;     // a: x offset of a division number
    const char* endText;   // text at the tenth division
    int endOffsetX;        // b
    int endOffsetY;        // c
};

// Info of one of the seven settings (not None).
const TimeBaseInfo& TimeBaseInfoOf(TimeBaseSetting setting);

// The setting whose band holds f (lower bound excluded, upper included);
// 0 Hz, negative values and NaN give 100 ms.
TimeBaseSetting TimeBaseForFrequency(double frequency);

// Setting of an item of the time-axis box: items 1 to 7; nothing otherwise.
std::optional<TimeBaseSetting> TimeBaseForItem(int itemIndex);

// Text of the number under division i (1 to 9) of a setting's time axis.
std::string TimeAxisNumber(TimeBaseSetting setting, int division);

} // namespace zvk
