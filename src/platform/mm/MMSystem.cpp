// Provisional: volume of the program's own playback only, no wave devices yet.
#include "platform/mm/MMSystem.h"

namespace mm {
namespace {
std::uint32_t g_waveOutVolume = 0xFFFFFFFFu;
std::string g_backend = "none";
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
} // namespace

MMRESULT waveOutGetVolume(std::uint32_t deviceId, std::uint32_t* volume) {
    if (deviceId != 0 || !volume)
        return MMSYSERR_BADDEVICEID;
    *volume = g_waveOutVolume;
    return MMSYSERR_NOERROR;
}
MMRESULT waveOutSetVolume(std::uint32_t deviceId, std::uint32_t volume) {
    if (deviceId != 0)
        return MMSYSERR_BADDEVICEID;
    g_waveOutVolume = volume;
    return MMSYSERR_NOERROR;
}
MMRESULT auxGetVolume(std::uint32_t, std::uint32_t*) { return MMSYSERR_BADDEVICEID; }
MMRESULT auxSetVolume(std::uint32_t, std::uint32_t) { return MMSYSERR_BADDEVICEID; }
std::uint32_t mixerGetNumDevs() { return g_backend == "loopback" ? 1 : 0; }
bool SelectBackend(const std::string& name, std::string& message) {
    if (name == "auto" || name == "loopback" || name == "portaudio") {
        g_backend = "loopback";
        if (name != "loopback")
            message = "zvukoskop: sound card backend not available yet, using the built-in loopback";
        return true;
    }
    if (name == "none") {
        g_backend = name;
        return true;
    }
    message = "unknown audio backend '" + name + "' (auto, portaudio, loopback, none)";
    return false;
}
std::string BackendName() { return g_backend; }
} // namespace mm
