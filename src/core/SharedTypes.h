// Types shared by several subsystems of the instrument.
#pragma once

#include <cstdint>

namespace zvk {

using int16 = std::int16_t;
using uint16 = std::uint16_t;
using int32 = std::int32_t;
using uint32 = std::uint32_t;

// Entries of every sample array.
inline constexpr int kSampleArrayLength = 44100;
// Entries of the running sums of squares.
inline constexpr int kSquareSumsLength = 45556;

// The fifteen vertical ranges, smallest first.
enum class VerticalRange : int {
    mV1,
    mV2,
    mV5,
    mV10,
    mV20,
    mV50,
    mV100,
    mV200,
    mV500,
    V1,
    V2,
    V5,
    V10,
    V20,
    V50,
};

// The seven time-base settings, slowest first.
enum class TimeBaseSetting : int {
    ms100,
    ms50,
    ms20,
    ms10,
    ms5,
    ms2,
    ms1,
    None, // nothing applied yet
};

enum class TriggerChannel { None, Left, Right };

} // namespace zvk
