#include "display/VerticalRanges.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zvk {
namespace {

using R = VerticalRange;

// Each range's size in millivolts, smallest first.
const std::vector<double> kRangeMillivolts = {1,   2,    5,    10,   20,    50,    100,  200,
                                              500, 1000, 2000, 5000, 10000, 20000, 50000};

TEST(VerticalRangeTable, GainDivisionValueAndUnitFollowFromTheRange) {
    ASSERT_EQ(kRangeMillivolts.size(), 15u);
    for (std::size_t i = 0; i < kRangeMillivolts.size(); ++i) {
        const double mv = kRangeMillivolts[i];
        const VerticalRangeInfo& info = RangeInfo(static_cast<R>(i));
        SCOPED_TRACE(info.name);
        const bool volts = mv >= 1000;
        EXPECT_DOUBLE_EQ(info.gain, 100.0 / mv);
        EXPECT_DOUBLE_EQ(info.divisionValue, (volts ? mv / 1000 : mv) / 10);
        EXPECT_STREQ(info.topText, volts ? "+ V" : "+mV");
        EXPECT_STREQ(info.bottomText, volts ? "- V" : "-mV");
        const std::string expectedName = volts ? std::to_string(static_cast<int>(mv / 1000)) + " V"
                                               : std::to_string(static_cast<int>(mv)) + " mV";
        EXPECT_EQ(info.name, expectedName);
    }
}

TEST(VerticalRangeTable, AutomaticBandsHoldTheirLowerBound) {
    struct Case {
        uint16 peak;
        R left;
        R right;
    };
    const std::vector<Case> cases = {
        {0, R::mV1, R::mV10},       {24, R::mV1, R::mV10},      {25, R::mV2, R::mV10},
        {44, R::mV2, R::mV10},      {45, R::mV5, R::mV10},      {111, R::mV5, R::mV10},
        {112, R::mV10, R::mV10},    {224, R::mV10, R::mV10},    {225, R::mV20, R::mV20},
        {449, R::mV20, R::mV20},    {450, R::mV50, R::mV50},    {1124, R::mV50, R::mV50},
        {1125, R::mV100, R::mV100}, {2249, R::mV100, R::mV100}, {2250, R::mV200, R::mV200},
        {4499, R::mV200, R::mV200}, {4500, R::mV500, R::mV500}, {11249, R::mV500, R::mV500},
        {11250, R::V1, R::V1},      {22499, R::V1, R::V1},      {22500, R::V2, R::V2},
        {32768, R::V2, R::V2},      {65535, R::V2, R::V2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.peak);
        EXPECT_EQ(LeftAutoRange(c.peak), c.left);
        EXPECT_EQ(RightAutoRange(c.peak), c.right);
    }
}

// The boxes' item texts name their ranges; blanks aside they must match.
std::string Trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    const auto e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

TEST(VerticalRangeTable, BoxItemsSelectTheRangesTheyName) {
    const std::vector<std::string> leftItems = {"automaticky", "    500 mV", "   200 mV",
                                                "   100 mV",   "     50 mV", "     20 mV   ",
                                                "     10 mV",  "      5 mV", "      2 mV      "};
    const std::vector<std::string> rightItems = {
        "automaticky",  "      50 V",   "      20 V",  "      10 V",  "        5 V",
        "        2 V",  "        1 V",  "     500 mV", "     200 mV", "     100 mV",
        "       50 mV", "       20 mV", "       10 mV"};
    for (int i = 1; i < static_cast<int>(leftItems.size()); ++i) {
        const auto r = LeftBoxRange(i);
        ASSERT_TRUE(r.has_value()) << i;
        EXPECT_EQ(RangeInfo(*r).name, Trimmed(leftItems[static_cast<std::size_t>(i)]));
    }
    for (int i = 1; i < static_cast<int>(rightItems.size()); ++i) {
        const auto r = RightBoxRange(i);
        ASSERT_TRUE(r.has_value()) << i;
        EXPECT_EQ(RangeInfo(*r).name, Trimmed(rightItems[static_cast<std::size_t>(i)]));
    }
    for (int i : {-1, 0, 9, 100})
        EXPECT_FALSE(LeftBoxRange(i).has_value()) << i;
    for (int i : {-1, 0, 13, 100})
        EXPECT_FALSE(RightBoxRange(i).has_value()) << i;
}

TEST(VerticalRangeTable, ScaleNumbersAreThreeCharactersWide) {
    struct Case {
        R range;
        int i;
        const char* text;
    };
    const std::vector<Case> cases = {
        {R::mV1, 1, "0.1"},    {R::mV1, 10, "1.0"},   {R::mV1, 0, "0.0"},   {R::mV500, 1, " 50"},
        {R::mV500, 10, "500"}, {R::mV10, 1, "  1"},   {R::mV10, 10, " 10"}, {R::V2, 1, "0.2"},
        {R::V2, 3, "0.6"},     {R::V2, 10, "2.0"},    {R::V50, 0, "  0"},   {R::V50, 1, "  5"},
        {R::V50, 10, " 50"},   {R::mV100, 10, "100"},
    };
    for (const Case& c : cases) {
        const double dv = RangeInfo(c.range).divisionValue;
        EXPECT_EQ(FormatScaleNumber(c.i * dv, dv), c.text)
            << RangeInfo(c.range).name << " step " << c.i;
    }
}

} // namespace
} // namespace zvk
