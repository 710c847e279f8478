// Readout texts and typed-number arithmetic of the generator panels: pure
// functions, no widgets. Any thread.
#pragma once

#include <cstdint>
#include <string>

namespace zvk {

// Generator 1's amplitude readout in mV: round(a / 32.767 * 0.78 * 2.4).
std::int64_t Gen1AmplitudeReadout(std::int32_t amplitude);
// Generator 2's amplitude readout in mV: round(a / 32.767 * 1.1).
std::int64_t Gen2AmplitudeReadout(std::int32_t amplitude);

// Amplitude typed as a readout value: round(entered * 32.767), held within
// int32 (the scroll bar clamps it further).
std::int32_t AmplitudeFromEntry(std::int32_t entered);

// Generator 1's frequency for a bar position from 1000 on: whole 100 Hz.
std::int32_t Gen1KiloHertzFrequency(std::int32_t position);
// The kHz text for such a position, without the leading blank: hundredths
// round(p / 10), written with one decimal; a hundredths digit of exactly 5
// goes to the even tenth (1050 -> "1.0", matching the 1000 Hz it plays).
std::string Gen1KiloHertzText(std::int32_t position);

// The frequency readout's form: a blank, then the text.
std::string LeadingBlank(const std::string& text);

// Frequency at tick k of an automatic run: k * step + from, held within int32.
std::int32_t AutoTickFrequency(std::int32_t tick, std::int32_t step, std::int32_t from);
// Steps of an automatic run: round((to - from) / step), at least 1.
std::int32_t AutoStepCount(std::int32_t from, std::int32_t to, std::int32_t step);

// Longest delay between steps that a timer can hold, in whole seconds.
inline constexpr std::int32_t kMaxAutoDelaySeconds = 2147483;

} // namespace zvk
