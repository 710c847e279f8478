// The device half every backend shares: the queue of buffers a wave device
// holds, their flags, completions and the open/close notifications.
// A backend moves the sound; this class decides when a buffer is done.
// GUI thread only.
#pragma once

#include "platform/mm/MMSystem.h"

#include <QPointer>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <ostream>
#include <string>

namespace mm::detail {

class WaveDevice {
public:
    WaveDevice(bool input, std::uint32_t handle, const WAVEFORMATEX& format, QObject* callback,
               DWORD_PTR instance);
    virtual ~WaveDevice();
    WaveDevice(const WaveDevice&) = delete;
    WaveDevice& operator=(const WaveDevice&) = delete;

    bool IsInput() const { return input_; }
    std::uint32_t Handle() const { return handle_; }
    const WAVEFORMATEX& Format() const { return format_; }
    bool Lost() const { return lost_; }
    bool Started() const { return started_; }
    bool Paused() const { return paused_; }
    bool HasQueued() const { return !queue_.empty(); }
    std::size_t QueuedBuffers() const { return queue_.size(); }

    // The wave API side.
    MMRESULT Prepare(WAVEHDR* hdr, UINT size);
    MMRESULT Unprepare(WAVEHDR* hdr, UINT size);
    MMRESULT Add(WAVEHDR* hdr, UINT size);
    MMRESULT Start();
    MMRESULT Stop();
    MMRESULT Pause();
    MMRESULT Restart();
    MMRESULT Reset();
    // Fails with WAVERR_STILLPLAYING while buffers are queued.
    MMRESULT CheckClose() const;
    void PostOpen();
    void PostClose();

    // The backend side.
    // Capture: puts bytes (the device's format) into the queued buffers in
    // order, completing each full one. Returns the bytes taken; the rest
    // found no buffer and is dropped.
    std::size_t DeliverInput(const std::uint8_t* data, std::size_t bytes);
    // Playback: copies the next bytes of the written buffers (not yet
    // completed). Returns the bytes copied.
    std::size_t CopyOutput(std::uint8_t* dst, std::size_t bytes);
    // Playback: completes every buffer whose last byte lies before pos
    // (bytes counted from the open).
    void CompleteOutputUpTo(std::uint64_t pos);
    // Playback ran out of written sound just now (the pacing side knows);
    // the next write counts one underflow.
    void MarkDry();
    std::uint64_t CopyPosition() const { return copyPos_; }
    std::uint64_t WrittenEnd() const { return writtenEnd_; }
    // The device went away: every queued buffer comes back as a completion,
    // later adds and writes fail with WAVERR_DEVICELOST.
    void Lose();

protected:
    virtual MMRESULT OnStart() { return MMSYSERR_NOERROR; }
    virtual void OnStop() {}
    virtual void OnPause() {}
    virtual void OnRestart() {}
    // Drop whatever the backend holds of this device's sound.
    virtual void OnReset() {}
    virtual void OnWritten() {}

private:
    struct Entry {
        WAVEHDR* hdr;
        std::uint64_t start;
        std::uint64_t end;
    };
    void Complete(WAVEHDR* hdr);
    bool Holds(const WAVEHDR* hdr) const;
    void Post(UINT message, WAVEHDR* hdr);
    void ReturnAll();

    bool input_;
    std::uint32_t handle_;
    WAVEFORMATEX format_;
    QPointer<QObject> callback_;
    DWORD_PTR instance_;
    std::deque<Entry> queue_;
    std::uint64_t writtenEnd_ = 0;
    std::uint64_t copyPos_ = 0;
    bool started_ = false;
    bool paused_ = false;
    bool lost_ = false;
    bool dry_ = false;
};

// Process-wide counters, written by the backends from any thread.
struct CounterSet {
    std::atomic<std::uint64_t> inputFrames{0};
    std::atomic<std::uint64_t> outputFrames{0};
    std::atomic<std::uint64_t> inputOverflows{0};
    std::atomic<std::uint64_t> outputUnderflows{0};
    std::atomic<std::uint64_t> devicesLost{0};
    std::atomic<std::uint64_t> openDevices{0};
};
CounterSet& GlobalCounters();

// The program's own playback volume (wave-out device 0).
std::uint32_t PlaybackVolume();

// Detail for MMSYSERR_ERROR texts (the sound system's own words).
void SetErrorDetail(const std::string& detail);

class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* Name() const = 0;
    virtual MMRESULT Open(bool input, std::uint32_t handle, UINT deviceId,
                          const WAVEFORMATEX& format, QObject* callback, DWORD_PTR instance,
                          std::unique_ptr<WaveDevice>& device) = 0;
    virtual std::uint32_t MixerCount() = 0;
    virtual bool ListDevices(std::ostream& out) = 0;
};

std::unique_ptr<Backend> MakeNoneBackend();
std::unique_ptr<Backend> MakeLoopbackBackend();
// Null when the sound system cannot start (reason in message).
std::unique_ptr<Backend> MakePortAudioBackend(std::string& message, bool requireDefaults);
void SetPortAudioDeviceName(bool input, const std::string& name);

// Loopback clock control (no-op unless the loopback backend is current).
void LoopbackManual(Backend* b, bool manual);
void LoopbackAdvanceFrames(Backend* b, std::uint32_t frames);
void LoopbackFail(Backend* b, MMRESULT code);
void LoopbackLose(Backend* b);

} // namespace mm::detail
