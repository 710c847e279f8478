#include "display/TimeBase.h"

#include <array>
#include <cstdio>

namespace zvk {

namespace {

constexpr std::array<TimeBaseInfo, 7> kSettings{{
    {"100 ms", 30.0, 1.0, 6, 10.0, 0, 48, "100", 35, 3},
    {"50 ms", 70.0, 1.0, 3, 5.0, 0, 48, "50", 40, 5},
    {"20 ms", 150.0, 0.83, 1, 2.0, 0, 48, "20", 40, 3},
    {"10 ms", 250.0, 1.65, 1, 1.0, 0, 52, "10", 40, 3},
    {"5 ms", 600.0, 3.3, 1, 0.5, 1, 48, " 5", 40, 3},
    {"2 ms", 1200.0, 8.5, 1, 0.2, 1, 48, " 2", 40, 3},
    {"1 ms", 0.0, 17.0, 1, 0.1, 1, 48, "ms 1", 16, 3},
}};

} // namespace

const TimeBaseInfo& TimeBaseInfoOf(TimeBaseSetting setting) {
    return kSettings[static_cast<std::size_t>(setting)];
}

TimeBaseSetting TimeBaseForFrequency(double frequency) {
    for (std::size_t i = 0; i + 1 < kSettings.size(); ++i) {
        // Written so that NaN falls into the first band.
        if (!(frequency > kSettings[i].upperFrequency))
            return static_cast<TimeBaseSetting>(i);
    }
    return TimeBaseSetting::ms1;
}

std::optional<TimeBaseSetting> TimeBaseForItem(int itemIndex) {
    if (itemIndex < 1 || itemIndex > 7)
        return std::nullopt;
    return static_cast<TimeBaseSetting>(itemIndex - 1);
}

std::string TimeAxisNumber(TimeBaseSetting setting, int division) {
    const TimeBaseInfo& info = TimeBaseInfoOf(setting);
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", info.divisionDecimals,
                  info.divisionStep * static_cast<double>(division));
    return text;
}

} // namespace zvk
