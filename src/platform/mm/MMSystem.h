// Multimedia services in the shape the instrument expects of them: wave
// devices, volumes and the mixer count, over a selectable backend.
#pragma once

#include <cstdint>
#include <string>

namespace mm {

using MMRESULT = std::uint32_t;
inline constexpr MMRESULT MMSYSERR_NOERROR = 0;

// Volumes: low word left channel, high word right channel, 0..0xFFFF each.
// Wave-out device 0 is this program's own playback volume.
MMRESULT waveOutGetVolume(std::uint32_t deviceId, std::uint32_t* volume);
MMRESULT waveOutSetVolume(std::uint32_t deviceId, std::uint32_t volume);
MMRESULT auxGetVolume(std::uint32_t deviceId, std::uint32_t* volume);
MMRESULT auxSetVolume(std::uint32_t deviceId, std::uint32_t volume);
std::uint32_t mixerGetNumDevs();

// Chooses the backend: "auto", "portaudio", "loopback" or "none". Returns
// False with a message for an unknown name; "auto" falls back to loopback
// (message says so) when the real card's default devices do not open.
bool SelectBackend(const std::string& name, std::string& message);
std::string BackendName();

} // namespace mm
