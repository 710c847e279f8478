#include "display/VerticalRanges.h"

#include <array>
#include <cstdio>

namespace zvk {

namespace {

constexpr std::array<VerticalRangeInfo, 15> kRanges{{
    {"1 mV", "+mV", "-mV", 0.1, 100.0},
    {"2 mV", "+mV", "-mV", 0.2, 50.0},
    {"5 mV", "+mV", "-mV", 0.5, 20.0},
    {"10 mV", "+mV", "-mV", 1.0, 10.0},
    {"20 mV", "+mV", "-mV", 2.0, 5.0},
    {"50 mV", "+mV", "-mV", 5.0, 2.0},
    {"100 mV", "+mV", "-mV", 10.0, 1.0},
    {"200 mV", "+mV", "-mV", 20.0, 0.5},
    {"500 mV", "+mV", "-mV", 50.0, 0.2},
    {"1 V", "+ V", "- V", 0.1, 0.1},
    {"2 V", "+ V", "- V", 0.2, 0.05},
    {"5 V", "+ V", "- V", 0.5, 0.02},
    {"10 V", "+ V", "- V", 1.0, 0.01},
    {"20 V", "+ V", "- V", 2.0, 0.005},
    {"50 V", "+ V", "- V", 5.0, 0.002},
}};

struct Band {
    int lowerBound; // first peak of the band
    VerticalRange left;
    VerticalRange right;
};

constexpr std::array<Band, 11> kBands{{
    {0, VerticalRange::mV1, VerticalRange::mV10},
    {25, VerticalRange::mV2, VerticalRange::mV10},
    {45, VerticalRange::mV5, VerticalRange::mV10},
    {112, VerticalRange::mV10, VerticalRange::mV10},
    {225, VerticalRange::mV20, VerticalRange::mV20},
    {450, VerticalRange::mV50, VerticalRange::mV50},
    {1125, VerticalRange::mV100, VerticalRange::mV100},
    {2250, VerticalRange::mV200, VerticalRange::mV200},
    {4500, VerticalRange::mV500, VerticalRange::mV500},
    {11250, VerticalRange::V1, VerticalRange::V1},
    {22500, VerticalRange::V2, VerticalRange::V2},
}};

const Band& BandOf(uint16 peak) {
    std::size_t i = kBands.size() - 1;
    while (i > 0 && peak < kBands[i].lowerBound)
        --i;
    return kBands[i];
}

constexpr std::array<VerticalRange, 8> kLeftBoxItems{
    VerticalRange::mV500, VerticalRange::mV200, VerticalRange::mV100, VerticalRange::mV50,
    VerticalRange::mV20,  VerticalRange::mV10,  VerticalRange::mV5,   VerticalRange::mV2,
};

constexpr std::array<VerticalRange, 12> kRightBoxItems{
    VerticalRange::V50,   VerticalRange::V20,  VerticalRange::V10,   VerticalRange::V5,
    VerticalRange::V2,    VerticalRange::V1,   VerticalRange::mV500, VerticalRange::mV200,
    VerticalRange::mV100, VerticalRange::mV50, VerticalRange::mV20,  VerticalRange::mV10,
};

template <std::size_t N>
std::optional<VerticalRange> BoxItem(const std::array<VerticalRange, N>& items, int itemIndex) {
    if (itemIndex < 1 || itemIndex > static_cast<int>(N))
        return std::nullopt;
    return items[static_cast<std::size_t>(itemIndex - 1)];
}

} // namespace

const VerticalRangeInfo& RangeInfo(VerticalRange range) {
    return kRanges[static_cast<std::size_t>(range)];
}

VerticalRange LeftAutoRange(uint16 peak) {
    return BandOf(peak).left;
}
VerticalRange RightAutoRange(uint16 peak) {
    return BandOf(peak).right;
}

std::optional<VerticalRange> LeftBoxRange(int itemIndex) {
    return BoxItem(kLeftBoxItems, itemIndex);
}
std::optional<VerticalRange> RightBoxRange(int itemIndex) {
    return BoxItem(kRightBoxItems, itemIndex);
}

std::string FormatScaleNumber(double value, double divisionValue) {
    char text[32];
    std::snprintf(text, sizeof text, divisionValue < 1.0 ? "%3.1f" : "%3.0f", value);
    return text;
}

} // namespace zvk
