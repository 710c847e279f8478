#include "display/TimeBase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zvk {
namespace {

using T = TimeBaseSetting;

TEST(TimeBaseTable, FrequencyBandsIncludeTheirUpperBound) {
    struct Case {
        double f;
        T setting;
    };
    const std::vector<Case> cases = {
        {-5.0, T::ms100},
        {0.0, T::ms100},
        {29.9, T::ms100},
        {30.0, T::ms100},
        {30.5, T::ms50},
        {70.0, T::ms50},
        {70.01, T::ms20},
        {150.0, T::ms20},
        {150.1, T::ms10},
        {249.0, T::ms10},
        {250.0, T::ms10},
        {251.0, T::ms5},
        {600.0, T::ms5},
        {600.5, T::ms2},
        {1200.0, T::ms2},
        {1200.001, T::ms1},
        {3150.0, T::ms1},
        {1e9, T::ms1},
        {std::numeric_limits<double>::quiet_NaN(), T::ms100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TimeBaseForFrequency(c.f), c.setting) << c.f;
}

TEST(TimeBaseTable, BoxItemsOneToSevenFixTheSetting) {
    const std::vector<const char*> names = {"100 ms", "50 ms", "20 ms", "10 ms",
                                            "5 ms",   "2 ms",  "1 ms"};
    for (int i = 1; i <= 7; ++i) {
        const auto s = TimeBaseForItem(i);
        ASSERT_TRUE(s.has_value());
        EXPECT_STREQ(TimeBaseInfoOf(*s).name, names[static_cast<std::size_t>(i - 1)]);
    }
    for (int i : {-1, 0, 8, 9})
        EXPECT_FALSE(TimeBaseForItem(i).has_value()) << i;
}

// Time per division at a 794-pixel client (73.36 pixels per division), as
// the settings' names promise, to the precision the table gives.
TEST(TimeBaseTable, SpacingGivesTheNominalTimePerDivision) {
    struct Case {
        T setting;
        double h;
        int d;
        double msPerDivision;
        double tolerance;
    };
    const std::vector<Case> cases = {
        {T::ms100, 1.0, 6, 9.98, 0.005},  {T::ms50, 1.0, 3, 4.99, 0.005},
        {T::ms20, 0.83, 1, 2.00, 0.005},  {T::ms10, 1.65, 1, 1.01, 0.005},
        {T::ms5, 3.3, 1, 0.504, 0.0005},  {T::ms2, 8.5, 1, 0.196, 0.0005},
        {T::ms1, 17.0, 1, 0.098, 0.0005},
    };
    const double divisionPixels = 2 * 9.73 * (794 - 40) / 200.0;
    for (const Case& c : cases) {
        const TimeBaseInfo& info = TimeBaseInfoOf(c.setting);
        SCOPED_TRACE(info.name);
        EXPECT_EQ(info.pixelsPerPoint, c.h);
        EXPECT_EQ(info.samplesPerPoint, c.d);
        const double ms =
            1000.0 * info.samplesPerPoint / (44100.0 * info.pixelsPerPoint) * divisionPixels;
        EXPECT_NEAR(ms, c.msPerDivision, c.tolerance);
    }
}

TEST(TimeBaseTable, DivisionNumbersAndEndTexts) {
    struct Case {
        T setting;
        std::vector<const char*> numbers; // divisions 1, 3, 9
        const char* endText;
        int a, b, c;
    };
    const std::vector<Case> cases = {
        {T::ms100, {"10", "30", "90"}, "100", 48, 35, 3},
        {T::ms50, {"5", "15", "45"}, "50", 48, 40, 5},
        {T::ms20, {"2", "6", "18"}, "20", 48, 40, 3},
        {T::ms10, {"1", "3", "9"}, "10", 52, 40, 3},
        {T::ms5, {"0.5", "1.5", "4.5"}, " 5", 48, 40, 3},
        {T::ms2, {"0.2", "0.6", "1.8"}, " 2", 48, 40, 3},
        {T::ms1, {"0.1", "0.3", "0.9"}, "ms 1", 48, 16, 3},
    };
    for (const Case& c : cases) {
        const TimeBaseInfo& info = TimeBaseInfoOf(c.setting);
        SCOPED_TRACE(info.name);
        EXPECT_EQ(TimeAxisNumber(c.setting, 1), c.numbers[0]);
        EXPECT_EQ(TimeAxisNumber(c.setting, 3), c.numbers[1]);
        EXPECT_EQ(TimeAxisNumber(c.setting, 9), c.numbers[2]);
        EXPECT_STREQ(info.endText, c.endText);
        EXPECT_EQ(info.numberOffsetX, c.a);
        EXPECT_EQ(info.endOffsetX, c.b);
        EXPECT_EQ(info.endOffsetY, c.c);
    }
}

} // namespace
} // namespace zvk
