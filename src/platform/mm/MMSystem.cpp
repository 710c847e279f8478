#include "platform/mm/MMSystem.h"

#include "platform/mm/WaveDevice.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <ostream>

namespace mm {

WaveEvent::WaveEvent(UINT msg, std::uint32_t h, DWORD_PTR inst, WAVEHDR* hdr)
    : QEvent(EventType()), message(msg), handle(h), instance(inst), header(hdr) {}

QEvent::Type WaveEvent::EventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

namespace {

using detail::Backend;
using detail::WaveDevice;

constexpr MMRESULT MMSYSERR_BADERRNUM = 9;

struct State {
    std::unique_ptr<Backend> backend;
    std::map<std::uint32_t, std::unique_ptr<WaveDevice>> devices;
    std::uint32_t nextHandle = 1;
    std::string detail;
};

State& S() {
    static State state;
    return state;
}

std::atomic<std::uint32_t> g_volume{0xFFFFFFFFu};

Backend& CurrentBackend() {
    State& s = S();
    if (!s.backend)
        s.backend = detail::MakeNoneBackend();
    return *s.backend;
}

WaveDevice* Find(std::uint32_t handle, bool input) {
    auto it = S().devices.find(handle);
    if (it == S().devices.end() || it->second->IsInput() != input)
        return nullptr;
    return it->second.get();
}

MMRESULT Open(bool input, std::uint32_t* handle, UINT deviceId, const WAVEFORMATEX* format,
              QObject* callback, DWORD_PTR instance, DWORD flags) {
    if (!handle || !format)
        return MMSYSERR_INVALPARAM;
    *handle = 0;
    const DWORD callbackType = flags & 0x00070000u;
    if (callbackType != CALLBACK_NULL && callbackType != CALLBACK_WINDOW)
        return MMSYSERR_INVALFLAG;
    if (callbackType == CALLBACK_WINDOW && !callback)
        return MMSYSERR_INVALPARAM;
    if (deviceId != WAVE_MAPPER && deviceId != 0)
        return MMSYSERR_BADDEVICEID;
    const WAVEFORMATEX& f = *format;
    if (f.wFormatTag != WAVE_FORMAT_PCM || (f.wBitsPerSample != 8 && f.wBitsPerSample != 16) ||
        f.nChannels < 1 || f.nChannels > 2 || f.nSamplesPerSec < 1000 ||
        f.nSamplesPerSec > 192000 || f.nBlockAlign != f.nChannels * (f.wBitsPerSample / 8) ||
        f.nAvgBytesPerSec != f.nBlockAlign * f.nSamplesPerSec)
        return WAVERR_BADFORMAT;
    State& s = S();
    const std::uint32_t h = s.nextHandle;
    std::unique_ptr<WaveDevice> dev;
    const MMRESULT r = CurrentBackend().Open(
        input, h, deviceId, f, callbackType == CALLBACK_WINDOW ? callback : nullptr, instance, dev);
    if (r != MMSYSERR_NOERROR)
        return r;
    if (!dev)
        return MMSYSERR_ERROR;
    s.nextHandle = s.nextHandle == 0xFFFFFFFFu ? 1 : s.nextHandle + 1;
    dev->PostOpen();
    s.devices[h] = std::move(dev);
    *handle = h;
    return MMSYSERR_NOERROR;
}

MMRESULT Close(bool input, std::uint32_t handle) {
    WaveDevice* d = Find(handle, input);
    if (!d)
        return MMSYSERR_INVALHANDLE;
    const MMRESULT r = d->CheckClose();
    if (r != MMSYSERR_NOERROR)
        return r;
    d->PostClose();
    S().devices.erase(handle);
    return MMSYSERR_NOERROR;
}

std::string TextOf(MMRESULT code, bool& known) {
    known = true;
    switch (code) {
    case MMSYSERR_NOERROR:
        return "No error";
    case MMSYSERR_ERROR:
        return S().detail.empty() ? "Sound system error" : "Sound system error: " + S().detail;
    case MMSYSERR_BADDEVICEID:
        return "Sound device missing: the sound system has no such capture or playback device";
    case MMSYSERR_ALLOCATED:
        return "Sound device busy: another program holds it";
    case MMSYSERR_INVALHANDLE:
        return "Invalid sound device handle";
    case MMSYSERR_NODRIVER:
        return "No sound device: the program runs with the audio backend 'none'";
    case MMSYSERR_NOMEM:
        return "Out of memory in the sound system";
    case MMSYSERR_INVALFLAG:
        return "Invalid flag passed to the sound system";
    case MMSYSERR_INVALPARAM:
        return "Invalid parameter passed to the sound system";
    case WAVERR_BADFORMAT:
        return "Sound format refused by the device";
    case WAVERR_STILLPLAYING:
        return "Buffers are still queued at the sound device";
    case WAVERR_UNPREPARED:
        return "The wave header is not prepared";
    case WAVERR_DEVICELOST:
        return "Sound device lost while running (unplugged, or the sound server stopped)";
    case WAVERR_RESTARTING:
        return "The sound system is restarting after a lost device; try again shortly";
    default:
        known = false;
        return "Unknown sound system error " + std::to_string(code);
    }
}

MMRESULT ErrorText(MMRESULT code, char* text, UINT size) {
    if (!text || size == 0)
        return MMSYSERR_INVALPARAM;
    bool known = false;
    const std::string t = TextOf(code, known);
    const std::size_t n = std::min<std::size_t>(t.size(), size - 1);
    std::memcpy(text, t.data(), n);
    text[n] = '\0';
    return known ? MMSYSERR_NOERROR : MMSYSERR_BADERRNUM;
}

} // namespace

namespace detail {
std::uint32_t PlaybackVolume() {
    return g_volume.load(std::memory_order_relaxed);
}
void SetErrorDetail(const std::string& d) {
    S().detail = d;
}
} // namespace detail

#define ZVK_DEV(input, h)                                                                          \
    WaveDevice* d = Find(h, input);                                                                \
    if (!d)                                                                                        \
    return MMSYSERR_INVALHANDLE

MMRESULT waveInOpen(HWAVEIN* h, UINT id, const WAVEFORMATEX* f, QObject* cb, DWORD_PTR inst,
                    DWORD flags) {
    return Open(true, h, id, f, cb, inst, flags);
}
MMRESULT waveInPrepareHeader(HWAVEIN h, WAVEHDR* hdr, UINT size) {
    ZVK_DEV(true, h);
    return d->Prepare(hdr, size);
}
MMRESULT waveInUnprepareHeader(HWAVEIN h, WAVEHDR* hdr, UINT size) {
    ZVK_DEV(true, h);
    return d->Unprepare(hdr, size);
}
MMRESULT waveInAddBuffer(HWAVEIN h, WAVEHDR* hdr, UINT size) {
    ZVK_DEV(true, h);
    return d->Add(hdr, size);
}
MMRESULT waveInStart(HWAVEIN h) {
    ZVK_DEV(true, h);
    return d->Start();
}
MMRESULT waveInStop(HWAVEIN h) {
    ZVK_DEV(true, h);
    return d->Stop();
}
MMRESULT waveInReset(HWAVEIN h) {
    ZVK_DEV(true, h);
    return d->Reset();
}
MMRESULT waveInClose(HWAVEIN h) {
    return Close(true, h);
}
MMRESULT waveInGetErrorTextA(MMRESULT code, char* text, UINT size) {
    return ErrorText(code, text, size);
}

MMRESULT waveOutOpen(HWAVEOUT* h, UINT id, const WAVEFORMATEX* f, QObject* cb, DWORD_PTR inst,
                     DWORD flags) {
    return Open(false, h, id, f, cb, inst, flags);
}
MMRESULT waveOutPrepareHeader(HWAVEOUT h, WAVEHDR* hdr, UINT size) {
    ZVK_DEV(false, h);
    return d->Prepare(hdr, size);
}
MMRESULT waveOutUnprepareHeader(HWAVEOUT h, WAVEHDR* hdr, UINT size) {
    ZVK_DEV(false, h);
    return d->Unprepare(hdr, size);
}
MMRESULT waveOutWrite(HWAVEOUT h, WAVEHDR* hdr, UINT size) {
    ZVK_DEV(false, h);
    return d->Add(hdr, size);
}
MMRESULT waveOutPause(HWAVEOUT h) {
    ZVK_DEV(false, h);
    return d->Pause();
}
MMRESULT waveOutRestart(HWAVEOUT h) {
    ZVK_DEV(false, h);
    return d->Restart();
}
MMRESULT waveOutReset(HWAVEOUT h) {
    ZVK_DEV(false, h);
    return d->Reset();
}
MMRESULT waveOutClose(HWAVEOUT h) {
    return Close(false, h);
}
MMRESULT waveOutGetErrorTextA(MMRESULT code, char* text, UINT size) {
    return ErrorText(code, text, size);
}

#undef ZVK_DEV

MMRESULT waveOutGetVolume(std::uint32_t deviceId, std::uint32_t* volume) {
    if (deviceId != 0)
        return MMSYSERR_BADDEVICEID;
    if (!volume)
        return MMSYSERR_INVALPARAM;
    *volume = g_volume.load(std::memory_order_relaxed);
    return MMSYSERR_NOERROR;
}
MMRESULT waveOutSetVolume(std::uint32_t deviceId, std::uint32_t volume) {
    if (deviceId != 0)
        return MMSYSERR_BADDEVICEID;
    g_volume.store(volume, std::memory_order_relaxed);
    return MMSYSERR_NOERROR;
}
MMRESULT auxGetVolume(std::uint32_t, std::uint32_t*) {
    return MMSYSERR_BADDEVICEID;
}
MMRESULT auxSetVolume(std::uint32_t, std::uint32_t) {
    return MMSYSERR_BADDEVICEID;
}

std::uint32_t mixerGetNumDevs() {
    return CurrentBackend().MixerCount();
}
MMRESULT mixerClose(std::uintptr_t) {
    return MMSYSERR_INVALHANDLE;
}

bool SelectBackend(const std::string& name, std::string& message) {
    State& s = S();
    if (name != "auto" && name != "portaudio" && name != "loopback" && name != "none") {
        message = "unknown audio backend '" + name + "' (auto, portaudio, loopback, none)";
        return false;
    }
    if (!s.devices.empty()) {
        message = "the audio backend cannot change while a sound device is open";
        return false;
    }
    // Drop the old backend before starting the next (the sound system
    // allows one user at a time).
    s.backend.reset();
    if (name == "none") {
        s.backend = detail::MakeNoneBackend();
    } else if (name == "loopback") {
        s.backend = detail::MakeLoopbackBackend();
    } else {
        std::string why;
        s.backend = detail::MakePortAudioBackend(why, name == "auto");
        if (!s.backend) {
            if (name == "portaudio") {
                message = "audio backend portaudio: " + why;
                s.backend = detail::MakeNoneBackend();
                return false;
            }
            message = "zvukoskop: no sound card (" + why + "), using the built-in loopback";
            s.backend = detail::MakeLoopbackBackend();
        }
    }
    return true;
}

std::string BackendName() {
    return CurrentBackend().Name();
}

void SetInputDeviceName(const std::string& name) {
    detail::SetPortAudioDeviceName(true, name);
}
void SetOutputDeviceName(const std::string& name) {
    detail::SetPortAudioDeviceName(false, name);
}

bool ListDevices(std::ostream& out) {
    if (std::string(CurrentBackend().Name()) == "portaudio")
        return CurrentBackend().ListDevices(out);
    std::string why;
    auto pa = detail::MakePortAudioBackend(why, false);
    if (!pa) {
        out << "sound system unavailable: " << why << "\n";
        return false;
    }
    return pa->ListDevices(out);
}

void LoopbackSetManualClock(bool manual) {
    detail::LoopbackManual(&CurrentBackend(), manual);
}
void LoopbackAdvance(std::uint32_t frames) {
    detail::LoopbackAdvanceFrames(&CurrentBackend(), frames);
}

void LoopbackFailNextOpen(MMRESULT code) {
    detail::LoopbackFail(&CurrentBackend(), code);
}
void LoopbackLoseDevices() {
    detail::LoopbackLose(&CurrentBackend());
}

Counters GetCounters() {
    const detail::CounterSet& c = detail::GlobalCounters();
    Counters r;
    r.inputFrames = c.inputFrames.load(std::memory_order_relaxed);
    r.outputFrames = c.outputFrames.load(std::memory_order_relaxed);
    r.inputOverflows = c.inputOverflows.load(std::memory_order_relaxed);
    r.outputUnderflows = c.outputUnderflows.load(std::memory_order_relaxed);
    r.devicesLost = c.devicesLost.load(std::memory_order_relaxed);
    r.openDevices = c.openDevices.load(std::memory_order_relaxed);
    return r;
}

} // namespace mm
