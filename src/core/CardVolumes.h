// The volume services the window uses at start-up and close. They default to
// the multimedia layer; a test can watch the calls.
#pragma once

#include <cstdint>
#include <functional>

namespace zvk {

struct CardVolumes {
    std::function<std::uint32_t(std::uint32_t device, std::uint32_t* volume)> waveOutGet;
    std::function<std::uint32_t(std::uint32_t device, std::uint32_t volume)> waveOutSet;
    std::function<std::uint32_t(std::uint32_t device, std::uint32_t* volume)> auxGet;
    std::function<std::uint32_t(std::uint32_t device, std::uint32_t volume)> auxSet;
};

// The services in use (the multimedia layer's unless replaced).
CardVolumes& Volumes();
// Puts the multimedia layer's services back.
void ResetVolumes();

} // namespace zvk
