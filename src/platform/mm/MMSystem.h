// Multimedia services in the shape the instrument expects of them: wave
// devices, volumes and the mixer count, over a selectable backend.
//
// Threads: every function here is for the GUI thread (the thread that runs
// the Qt event loop), except the counters, which any thread may read.
// Device notifications arrive as WaveEvent objects posted to the callback
// QObject given to the open call, so they are handled by that object's
// thread between other events, one per buffer and in queueing order.
#pragma once

#include <QEvent>
#include <QObject>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace mm {

using MMRESULT = std::uint32_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using DWORD_PTR = std::uintptr_t;

inline constexpr MMRESULT MMSYSERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_ERROR = 1;
inline constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
inline constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
inline constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
inline constexpr MMRESULT MMSYSERR_NODRIVER = 6;
inline constexpr MMRESULT MMSYSERR_NOMEM = 7;
inline constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT WAVERR_BADFORMAT = 32;
inline constexpr MMRESULT WAVERR_STILLPLAYING = 33;
inline constexpr MMRESULT WAVERR_UNPREPARED = 34;
// Not a classic code: the device vanished while it ran (unplugged card,
// sound server gone, callbacks stopped). Its queued buffers came back.
inline constexpr MMRESULT WAVERR_DEVICELOST = 40;
// The sound system is being re-initialised after a lost device.
inline constexpr MMRESULT WAVERR_RESTARTING = 41;

inline constexpr UINT WAVE_MAPPER = 0xFFFFFFFFu;
inline constexpr DWORD CALLBACK_NULL = 0x00000000u;
inline constexpr DWORD CALLBACK_WINDOW = 0x00010000u;
inline constexpr DWORD WAVE_ALLOWSYNC = 0x0002u;

inline constexpr DWORD WHDR_DONE = 0x01;
inline constexpr DWORD WHDR_PREPARED = 0x02;
inline constexpr DWORD WHDR_BEGINLOOP = 0x04;
inline constexpr DWORD WHDR_ENDLOOP = 0x08;
inline constexpr DWORD WHDR_INQUEUE = 0x10;

inline constexpr UINT MM_WOM_OPEN = 0x3BB;
inline constexpr UINT MM_WOM_CLOSE = 0x3BC;
inline constexpr UINT MM_WOM_DONE = 0x3BD;
inline constexpr UINT MM_WIM_OPEN = 0x3BE;
inline constexpr UINT MM_WIM_CLOSE = 0x3BF;
inline constexpr UINT MM_WIM_DATA = 0x3C0;

inline constexpr std::uint16_t WAVE_FORMAT_PCM = 1;
inline constexpr int MAXERRORLENGTH = 256;

#pragma pack(push, 1)
struct WAVEFORMATEX {
    std::uint16_t wFormatTag;
    std::uint16_t nChannels;
    std::uint32_t nSamplesPerSec;
    std::uint32_t nAvgBytesPerSec;
    std::uint16_t nBlockAlign;
    std::uint16_t wBitsPerSample;
    std::uint16_t cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18);

// A buffer's header. With 64-bit pointers it is 48 bytes; callers pass
// sizeof(WAVEHDR) as the header size.
struct WAVEHDR {
    std::uint8_t* lpData;
    DWORD dwBufferLength;
    DWORD dwBytesRecorded;
    DWORD_PTR dwUser;
    DWORD dwFlags;
    DWORD dwLoops;
    WAVEHDR* lpNext;
    DWORD_PTR reserved;
};

// Handles never repeat within a run, so a notification left over from a
// closed device can always be told from one of a later open. 0 = no device.
using HWAVEIN = std::uint32_t;
using HWAVEOUT = std::uint32_t;

// A device notification, posted to the callback object.
class WaveEvent : public QEvent {
public:
    WaveEvent(UINT message, std::uint32_t handle, DWORD_PTR instance, WAVEHDR* header);
    static QEvent::Type EventType();
    UINT message;
    std::uint32_t handle;
    DWORD_PTR instance;
    WAVEHDR* header; // the returned buffer (MM_WIM_DATA, MM_WOM_DONE), else null
};

// Wave input. callback: the object that receives WaveEvents (flags must
// include CALLBACK_WINDOW), or null with CALLBACK_NULL.
MMRESULT waveInOpen(HWAVEIN* handle, UINT deviceId, const WAVEFORMATEX* format, QObject* callback,
                    DWORD_PTR instance, DWORD flags);
MMRESULT waveInPrepareHeader(HWAVEIN h, WAVEHDR* hdr, UINT headerSize);
MMRESULT waveInUnprepareHeader(HWAVEIN h, WAVEHDR* hdr, UINT headerSize);
MMRESULT waveInAddBuffer(HWAVEIN h, WAVEHDR* hdr, UINT headerSize);
MMRESULT waveInStart(HWAVEIN h);
MMRESULT waveInStop(HWAVEIN h);
MMRESULT waveInReset(HWAVEIN h);
MMRESULT waveInClose(HWAVEIN h);
MMRESULT waveInGetErrorTextA(MMRESULT code, char* text, UINT size);

// Wave output.
MMRESULT waveOutOpen(HWAVEOUT* handle, UINT deviceId, const WAVEFORMATEX* format, QObject* callback,
                     DWORD_PTR instance, DWORD flags);
MMRESULT waveOutPrepareHeader(HWAVEOUT h, WAVEHDR* hdr, UINT headerSize);
MMRESULT waveOutUnprepareHeader(HWAVEOUT h, WAVEHDR* hdr, UINT headerSize);
MMRESULT waveOutWrite(HWAVEOUT h, WAVEHDR* hdr, UINT headerSize);
MMRESULT waveOutPause(HWAVEOUT h);
MMRESULT waveOutRestart(HWAVEOUT h);
MMRESULT waveOutReset(HWAVEOUT h);
MMRESULT waveOutClose(HWAVEOUT h);
MMRESULT waveOutGetErrorTextA(MMRESULT code, char* text, UINT size);

// Volumes: low word left channel, high word right channel, 0..0xFFFF each.
// Wave-out device 0 is this program's own playback volume: every backend
// scales the left and right output channel by it. There are no auxiliary
// devices; their calls fail with MMSYSERR_BADDEVICEID.
MMRESULT waveOutGetVolume(std::uint32_t deviceId, std::uint32_t* volume);
MMRESULT waveOutSetVolume(std::uint32_t deviceId, std::uint32_t volume);
MMRESULT auxGetVolume(std::uint32_t deviceId, std::uint32_t* volume);
MMRESULT auxSetVolume(std::uint32_t deviceId, std::uint32_t volume);

// Mixers: portaudio counts the sound cards ALSA reports, loopback has one,
// none has none. No mixer is ever opened, so mixerClose only checks its handle.
std::uint32_t mixerGetNumDevs();
MMRESULT mixerClose(std::uintptr_t handle);

// Chooses the backend: "auto", "portaudio", "loopback" or "none". Returns
// False with a message for an unknown name; "auto" falls back to loopback
// (message says so) when the sound system has no default devices. Only
// while no device is open.
bool SelectBackend(const std::string& name, std::string& message);
std::string BackendName();

// A card other than the default (portaudio): the device whose name contains
// the text (case-insensitive); empty = default. Takes effect at the next open.
void SetInputDeviceName(const std::string& name);
void SetOutputDeviceName(const std::string& name);
// Prints the capture and playback devices, the default marked with '*'.
// Returns False (with the reason printed) when the sound system fails.
bool ListDevices(std::ostream& out);

// Loopback clock. Real time by default (paced by a GUI-thread timer); the
// manual clock moves only by LoopbackAdvance: N frames at 44100 Hz are
// played and captured at once and their completions posted.
void LoopbackSetManualClock(bool manual);
void LoopbackAdvance(std::uint32_t frames);
inline constexpr std::uint32_t kLoopbackRate = 44100;
// Faults of a real card, on the loopback cable: the next open fails with
// the code (busy, missing...); every open device is lost as if unplugged.
void LoopbackFailNextOpen(MMRESULT code);
void LoopbackLoseDevices();

// Traffic counters of the current backend (any thread may read).
struct Counters {
    std::uint64_t inputFrames = 0;      // frames the capture side delivered
    std::uint64_t outputFrames = 0;     // frames the playback side consumed
    std::uint64_t inputOverflows = 0;   // events of captured frames dropped
    std::uint64_t outputUnderflows = 0; // gaps while buffers were written
    std::uint64_t devicesLost = 0;
    std::uint64_t openDevices = 0; // wave devices open now
};
Counters GetCounters();

} // namespace mm
