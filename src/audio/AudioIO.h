// Sound-card stream components: TAudioIO with the capture stream TAudioIn and
// the playback stream TAudioOut. A stream keeps a pool of buffers circulating
// through its wave device and hands each one to the owner's buffer event.
//
// Threads: every method is for the GUI thread. Device completions reach the
// stream as events posted to its callback object, so they are handled
// between other events, never inside an owner's call.
#pragma once

#include "audio/GlobalMemory.h"
#include "platform/mm/MMSystem.h"
#include "platform/ui/Controls.h"

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The owner's buffer event: (Buffer, var Size) -> Boolean, no sender.
using TBufferEvent = std::function<bool(std::uint8_t* Buffer, std::int32_t& Size)>;

class TAudioIn;
class TAudioOut;

// Hidden receiver of the capture device's notifications; one per stream,
// kept for the stream's whole life.
class TCallBackWinIn : public QObject, public vcl::TObject {
public:
    explicit TCallBackWinIn(TAudioIn* stream);
    ~TCallBackWinIn() override;
    bool event(QEvent* e) override;
    TAudioIn** StreamRef = nullptr;
    static int LiveCount();

private:
    TAudioIn* stream_;
};

// Hidden receiver of the playback device's notifications.
class TCallBackWinOut : public QObject, public vcl::TObject {
public:
    explicit TCallBackWinOut(TAudioOut* stream);
    ~TCallBackWinOut() override;
    bool event(QEvent* e) override;
    TAudioOut** StreamRef = nullptr;
    static int LiveCount();

private:
    TAudioOut* stream_;
};

class TAudioIO : public vcl::TComponent {
public:
    explicit TAudioIO(QObject* owner);
    ~TAudioIO() override;
    TAudioIO(const TAudioIO&) = delete;
    TAudioIO& operator=(const TAudioIO&) = delete;

    // Effective size in bytes (whole frames). Setting it stores max(v, 512)
    // and reallocates the pool; an open stream is stopped first, because
    // its buffers belong to the device.
    std::int32_t BufferSize() const;
    void SetBufferSize(std::int32_t bytes);
    std::int32_t NumBuffers() const;
    void SetNumBuffers(std::int32_t n); // clamped to 2..4
    std::int32_t FrameRate() const;
    void SetFrameRate(std::int32_t rate);
    bool Stereo() const;
    void SetStereo(bool stereo);
    std::uint16_t Quantization() const;
    void SetQuantization(std::uint16_t bits); // up to 8 -> 8, above -> 16
    const std::string& ErrorText() const { return FErrorText; }

    vcl::TNotifyEvent OnStart;
    vcl::TNotifyEvent OnStop;

    virtual void StopNow();
    virtual void StopWhenDrained();

    // Read-only views of the stream's state.
    std::int32_t GetRequestedBufferSize() const { return RequestedBufferSize; }
    const mm::WAVEFORMATEX& GetWaveFormat() const { return WaveFormat; }
    std::uint32_t GetDeviceId() const { return DeviceId; }
    bool GetRunning() const { return Running; }
    bool GetActive() const { return Active; }
    std::int32_t GetFilledCount() const { return FilledCount; }
    std::int32_t GetQueuedCount() const { return QueuedCount; }
    std::int32_t GetDoneCount() const { return DoneCount; }
    std::int32_t GetNextIndex() const { return NextIndex; }
    std::uint8_t* GetBufferData(int slot) const { return BufferData[slot]; }
    std::int32_t GetBufferLength(int slot) const { return BufferLengths[slot]; }
    const mm::WAVEHDR* GetHeader(int slot) const { return Headers[slot]; }
    virtual bool GetDeviceOpen() const = 0;

    void Dump(QJsonObject& out) const override;

protected:
    static constexpr int kSlots = 4;
    static constexpr mm::UINT kHeaderSize = sizeof(mm::WAVEHDR);

    void UpdateFormat();
    bool LinkHeaders();
    bool AllocateBuffers();
    bool FreeBuffers();
    bool AllocateHeaders();
    bool FreeHeaders();
    std::string DeviceErrorText(mm::MMRESULT code) const;
    // The pool as this open needs it: headers present, every circulating
    // slot allocated at the effective size at least; reallocates or fails
    // with the allocation's text.
    bool EnsurePool();
    // Runs an owner's buffer event at an event boundary: an exception is
    // reported and counts as a refusal.
    bool CallBufferEvent(const TBufferEvent& e, std::uint8_t* buffer, std::int32_t& size,
                         bool unassigned);

    QObject* Owner;
    bool InputDirection;

    std::int32_t EffectiveBufferSize = 0;
    std::int32_t RequestedBufferSize = 0;
    std::int32_t FNumBuffers = 4;
    bool FPaused = false;
    mm::WAVEFORMATEX WaveFormat{};
    std::uint32_t DeviceId = mm::WAVE_MAPPER;
    std::array<HGLOBAL, kSlots> HeaderHandles{};
    std::array<mm::WAVEHDR*, kSlots> Headers{};
    std::array<std::uint8_t*, kSlots> BufferData{};
    std::array<HGLOBAL, kSlots> BufferHandles{};
    std::array<std::int32_t, kSlots> BufferLengths{};
    std::int32_t NextIndex = 0;
    bool Running = false;
    std::string FErrorText;
    bool Active = false;
    std::int32_t FilledCount = 0;
    std::int32_t QueuedCount = 0;
    std::int32_t DoneCount = 0;
    // Buffers and their size for the current open; the properties may
    // change while a device is open, the device's buffers do not.
    std::int32_t OpenBuffers = 2;
    std::int32_t OpenBufferSize = 0;
};

class TAudioIn : public TAudioIO {
public:
    explicit TAudioIn(QObject* owner);
    ~TAudioIn() override;
    const char* Kind() const override { return "TAudioIn"; }
    // Opens the capture device and starts recording; False when already open
    // or when it cannot be opened (ErrorText says why). ref is the owner's
    // variable holding this stream; it must outlive the open.
    bool StartStream(TAudioIn*& ref);
    TBufferEvent OnBufferFilled;

    void StopNow() override;
    void StopWhenDrained() override;
    bool GetDeviceOpen() const override { return DeviceOpen; }
    mm::HWAVEIN GetDeviceHandle() const { return DeviceHandle; }
    const TCallBackWinIn* GetCallbackWindow() const { return CallbackWindow.get(); }

protected:
    virtual bool ServiceBuffer(std::uint8_t* buffer, std::int32_t Size);
    virtual mm::MMRESULT CloseDevice();
    virtual bool OpenDevice(TAudioIn*& ref);
    bool BeginTransfer();
    bool QueueBuffer();

private:
    friend class TCallBackWinIn;
    void BufferDone(mm::HWAVEIN handle);

    bool DeviceOpen = false;
    std::unique_ptr<TCallBackWinIn> CallbackWindow;
    mm::HWAVEIN DeviceHandle = 0;
};

class TAudioOut : public TAudioIO {
public:
    explicit TAudioOut(QObject* owner);
    ~TAudioOut() override;
    const char* Kind() const override { return "TAudioOut"; }
    bool StartStream(TAudioOut*& ref);
    TBufferEvent OnFillBuffer;

    bool Paused() const { return FPaused; }
    void SetPaused(bool paused);

    void StopNow() override;
    void StopWhenDrained() override;
    bool GetDeviceOpen() const override { return DeviceOpen; }
    mm::HWAVEOUT GetDeviceHandle() const { return DeviceHandle; }
    const TCallBackWinOut* GetCallbackWindow() const { return CallbackWindow.get(); }

protected:
    virtual bool ServiceBuffer(std::int32_t index, std::int32_t Size);
    virtual mm::MMRESULT CloseDevice();
    virtual bool OpenDevice(TAudioOut*& ref);
    bool BeginTransfer();
    bool QueueBuffer();

private:
    friend class TCallBackWinOut;
    void BufferDone(mm::HWAVEOUT handle);
    void CountWhatTheDeviceHolds();

    bool DeviceOpen = false;
    std::unique_ptr<TCallBackWinOut> CallbackWindow;
    mm::HWAVEOUT DeviceHandle = 0;
};
