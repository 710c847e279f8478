#include "audio/AudioIO.h"

#include "platform/ui/Application.h"

#include <QJsonObject>
#include <algorithm>
#include <exception>

namespace {

constexpr std::uint32_t kHeaderFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;
constexpr std::uint32_t kBufferFlags = GMEM_MOVEABLE | GMEM_DDESHARE;
constexpr mm::DWORD kOpenFlags = mm::CALLBACK_WINDOW | mm::WAVE_ALLOWSYNC;

int g_liveIn = 0;
int g_liveOut = 0;

} // namespace

// ---- callback objects ----------------------------------------------------

TCallBackWinIn::TCallBackWinIn(TAudioIn* stream) : stream_(stream) {
    Name = "CallBackWinIn";
    ++g_liveIn;
}
TCallBackWinIn::~TCallBackWinIn() {
    --g_liveIn;
}
int TCallBackWinIn::LiveCount() {
    return g_liveIn;
}

bool TCallBackWinIn::event(QEvent* e) {
    if (e->type() != mm::WaveEvent::EventType())
        return QObject::event(e);
    const auto* we = static_cast<const mm::WaveEvent*>(e);
    // The stream is found through the owner's variable when the message
    // arrives; a variable that no longer names this stream gets nothing.
    TAudioIn* s = StreamRef ? *StreamRef : nullptr;
    if (s != stream_)
        return true;
    switch (we->message) {
    case mm::MM_WIM_OPEN:
        vcl::FireGuarded(s->OnStart, this);
        break;
    case mm::MM_WIM_CLOSE:
        vcl::FireGuarded(s->OnStop, this);
        break;
    case mm::MM_WIM_DATA:
        s->BufferDone(we->handle);
        break;
    default:
        break;
    }
    return true;
}

TCallBackWinOut::TCallBackWinOut(TAudioOut* stream) : stream_(stream) {
    Name = "CallBackWinOut";
    ++g_liveOut;
}
TCallBackWinOut::~TCallBackWinOut() {
    --g_liveOut;
}
int TCallBackWinOut::LiveCount() {
    return g_liveOut;
}

bool TCallBackWinOut::event(QEvent* e) {
    if (e->type() != mm::WaveEvent::EventType())
        return QObject::event(e);
    const auto* we = static_cast<const mm::WaveEvent*>(e);
    TAudioOut* s = StreamRef ? *StreamRef : nullptr;
    if (s != stream_)
        return true;
    switch (we->message) {
    case mm::MM_WOM_OPEN:
        vcl::FireGuarded(s->OnStart, this);
        break;
    case mm::MM_WOM_CLOSE:
        vcl::FireGuarded(s->OnStop, this);
        break;
    case mm::MM_WOM_DONE:
        s->BufferDone(we->handle);
        break;
    default:
        break;
    }
    return true;
}

// ---- TAudioIO ---------------------------------------------------------------

TAudioIO::TAudioIO(QObject* owner) : Owner(owner), InputDirection(false) {
    FNumBuffers = 4;
    RequestedBufferSize = 8192;
    Active = false;
    FPaused = false;
    DeviceId = mm::WAVE_MAPPER;
    FErrorText.clear();
    WaveFormat.wFormatTag = mm::WAVE_FORMAT_PCM;
    WaveFormat.wBitsPerSample = 16;
    WaveFormat.nChannels = 1;
    WaveFormat.nSamplesPerSec = 22050;
    WaveFormat.cbSize = 0;
    UpdateFormat();
    BufferData.fill(nullptr);
    AllocateHeaders();
    AllocateBuffers();
}

TAudioIO::~TAudioIO() {
    FreeBuffers();
    FreeHeaders();
}

std::int32_t TAudioIO::BufferSize() const {
    return EffectiveBufferSize;
}

void TAudioIO::SetBufferSize(std::int32_t bytes) {
    // The device owns queued buffers: never free them under it.
    if (GetDeviceOpen())
        StopNow();
    RequestedBufferSize = std::max<std::int32_t>(bytes, 512);
    UpdateFormat();
    FreeBuffers();
    AllocateBuffers();
}

std::int32_t TAudioIO::NumBuffers() const {
    return FNumBuffers;
}
void TAudioIO::SetNumBuffers(std::int32_t n) {
    FNumBuffers = std::clamp<std::int32_t>(n, 2, 4);
}

std::int32_t TAudioIO::FrameRate() const {
    return static_cast<std::int32_t>(WaveFormat.nSamplesPerSec);
}
void TAudioIO::SetFrameRate(std::int32_t rate) {
    WaveFormat.nSamplesPerSec = static_cast<std::uint32_t>(rate);
    UpdateFormat();
}

bool TAudioIO::Stereo() const {
    return WaveFormat.nChannels == 2;
}
void TAudioIO::SetStereo(bool stereo) {
    WaveFormat.nChannels = stereo ? 2 : 1;
    UpdateFormat();
}

std::uint16_t TAudioIO::Quantization() const {
    return WaveFormat.wBitsPerSample;
}
void TAudioIO::SetQuantization(std::uint16_t bits) {
    WaveFormat.wBitsPerSample = bits <= 8 ? 8 : 16;
    UpdateFormat();
}

void TAudioIO::StopNow() {
    Active = false;
    Running = false;
}

void TAudioIO::StopWhenDrained() {
    Running = false;
}

void TAudioIO::UpdateFormat() {
    // Computed in 16 bits, as the record holds it.
    WaveFormat.nBlockAlign =
        static_cast<std::uint16_t>((WaveFormat.wBitsPerSample / 8) * WaveFormat.nChannels);
    WaveFormat.nAvgBytesPerSec = WaveFormat.nBlockAlign * WaveFormat.nSamplesPerSec;
    const std::int32_t block = WaveFormat.nBlockAlign;
    EffectiveBufferSize =
        block > 0 ? RequestedBufferSize - RequestedBufferSize % block : RequestedBufferSize;
}

bool TAudioIO::LinkHeaders() {
    UpdateFormat();
    for (int i = 0; i < OpenBuffers; ++i) {
        mm::WAVEHDR* h = Headers[static_cast<std::size_t>(i)];
        h->lpData = BufferData[static_cast<std::size_t>(i)];
        h->dwBufferLength = static_cast<mm::DWORD>(EffectiveBufferSize);
        h->dwBytesRecorded = 0;
        h->dwUser = 0;
        h->dwFlags = 0;
        h->dwLoops = 0;
        h->lpNext = nullptr;
        h->reserved = 0;
    }
    return true;
}

bool TAudioIO::AllocateBuffers() {
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(FNumBuffers); ++slot) {
        BufferHandles[slot] =
            GlobalAlloc(kBufferFlags, static_cast<std::size_t>(EffectiveBufferSize));
        if (!BufferHandles[slot]) {
            FreeBuffers();
            FErrorText = "Error allocating wave buffer memory";
            return false;
        }
        BufferData[slot] = static_cast<std::uint8_t*>(GlobalLock(BufferHandles[slot]));
        if (!BufferData[slot]) {
            FreeBuffers();
            FErrorText = "Error Locking wave buffer memory";
            return false;
        }
        BufferLengths[slot] = EffectiveBufferSize;
        if (Headers[slot])
            Headers[slot]->lpData = BufferData[slot];
    }
    return true;
}

bool TAudioIO::FreeBuffers() {
    bool any = false;
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        if (!BufferHandles[slot])
            continue;
        GlobalUnlock(BufferHandles[slot]);
        GlobalFree(BufferHandles[slot]);
        BufferHandles[slot] = nullptr;
        BufferData[slot] = nullptr;
        BufferLengths[slot] = 0;
        if (Headers[slot])
            Headers[slot]->lpData = nullptr;
        any = true;
    }
    return any;
}

bool TAudioIO::AllocateHeaders() {
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        HeaderHandles[slot] = GlobalAlloc(kHeaderFlags, sizeof(mm::WAVEHDR));
        if (!HeaderHandles[slot]) {
            FreeHeaders();
            FErrorText = "Error allocating wave header memory";
            return false;
        }
        Headers[slot] = static_cast<mm::WAVEHDR*>(GlobalLock(HeaderHandles[slot]));
        if (!Headers[slot]) {
            FreeHeaders();
            FErrorText = "Could not lock header memory for recording";
            return false;
        }
        *Headers[slot] = mm::WAVEHDR{};
        Headers[slot]->lpData = BufferData[slot];
    }
    return true;
}

bool TAudioIO::FreeHeaders() {
    bool any = false;
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        if (!HeaderHandles[slot])
            continue;
        GlobalUnlock(HeaderHandles[slot]);
        GlobalFree(HeaderHandles[slot]);
        HeaderHandles[slot] = nullptr;
        Headers[slot] = nullptr;
        any = true;
    }
    return any;
}

bool TAudioIO::EnsurePool() {
    UpdateFormat();
    const bool headersOk = std::all_of(Headers.begin(), Headers.end(),
                                       [](const mm::WAVEHDR* h) { return h != nullptr; });
    if (!headersOk) {
        FreeHeaders();
        if (!AllocateHeaders())
            return false;
        for (std::size_t slot = 0; slot < kSlots; ++slot)
            Headers[slot]->lpData = BufferData[slot];
    }
    bool buffersOk = true;
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(FNumBuffers); ++slot)
        if (!BufferData[slot] || BufferLengths[slot] < EffectiveBufferSize)
            buffersOk = false;
    if (!buffersOk) {
        FreeBuffers();
        if (!AllocateBuffers())
            return false;
    }
    return true;
}

std::string TAudioIO::DeviceErrorText(mm::MMRESULT code) const {
    char text[mm::MAXERRORLENGTH] = {};
    if (InputDirection)
        mm::waveInGetErrorTextA(code, text, sizeof text);
    else
        mm::waveOutGetErrorTextA(code, text, sizeof text);
    return std::string(text);
}

bool TAudioIO::CallBufferEvent(const TBufferEvent& e, std::uint8_t* buffer, std::int32_t& size,
                               bool unassigned) {
    if (!e)
        return unassigned;
    bool result = false;
    bool finished = false;
    auto run = [&] {
        result = e(buffer, size);
        finished = true;
    };
    if (vcl::Application()) {
        vcl::Application()->Guard(run);
    } else {
        try {
            run();
        } catch (const std::exception&) {
        }
    }
    return finished && result;
}

void TAudioIO::Dump(QJsonObject& out) const {
    vcl::TComponent::Dump(out);
    out["BufferSize"] = BufferSize();
    out["NumBuffers"] = NumBuffers();
    out["FrameRate"] = FrameRate();
    out["Stereo"] = Stereo();
    out["Quantization"] = Quantization();
    out["DeviceOpen"] = GetDeviceOpen();
    out["ErrorText"] = QString::fromStdString(FErrorText);
}

// ---- TAudioIn ---------------------------------------------------------------

TAudioIn::TAudioIn(QObject* owner) : TAudioIO(owner) {
    InputDirection = true;
}

TAudioIn::~TAudioIn() {
    if (DeviceOpen)
        StopNow();
}

void TAudioIn::StopNow() {
    if (!DeviceOpen)
        return;
    Active = false;
    Running = false;
    mm::waveInReset(DeviceHandle);
    CloseDevice();
}

void TAudioIn::StopWhenDrained() {
    if (DeviceOpen)
        Running = false;
}

bool TAudioIn::ServiceBuffer(std::uint8_t* buffer, std::int32_t Size) {
    if (!Running)
        return false;
    // The event's change of Size is not used: a capture buffer is always full.
    const bool result = CallBufferEvent(OnBufferFilled, buffer, Size, true);
    if (result)
        ++FilledCount;
    return result;
}

mm::MMRESULT TAudioIn::CloseDevice() {
    Active = false;
    for (int i = 0; i < OpenBuffers; ++i)
        mm::waveInUnprepareHeader(DeviceHandle, Headers[static_cast<std::size_t>(i)], kHeaderSize);
    mm::waveInReset(DeviceHandle);
    const mm::MMRESULT r = mm::waveInClose(DeviceHandle);
    DeviceOpen = false;
    return r;
}

bool TAudioIn::OpenDevice(TAudioIn*& ref) {
    if (DeviceOpen) {
        FErrorText = "Wave Input device is already open";
        return false;
    }
    NextIndex = 0;
    if (!EnsurePool())
        return false;
    OpenBuffers = FNumBuffers;
    if (!CallbackWindow)
        CallbackWindow = std::make_unique<TCallBackWinIn>(this);
    CallbackWindow->StreamRef = &ref;
    const mm::MMRESULT r =
        mm::waveInOpen(&DeviceHandle, DeviceId, &WaveFormat, CallbackWindow.get(), 0, kOpenFlags);
    if (r != mm::MMSYSERR_NOERROR) {
        FErrorText = DeviceErrorText(r);
        return false;
    }
    DeviceOpen = true;
    LinkHeaders();
    OpenBufferSize = EffectiveBufferSize;
    for (int i = 0; i < OpenBuffers; ++i) {
        const mm::MMRESULT p = mm::waveInPrepareHeader(
            DeviceHandle, Headers[static_cast<std::size_t>(i)], kHeaderSize);
        if (p != mm::MMSYSERR_NOERROR) {
            FErrorText = DeviceErrorText(p);
            CloseDevice();
            return false;
        }
    }
    QueuedCount = 0;
    DoneCount = 0;
    FilledCount = 0;
    Running = true;
    Active = true;
    return true;
}

bool TAudioIn::BeginTransfer() {
    const mm::MMRESULT r = mm::waveInStart(DeviceHandle);
    if (r != mm::MMSYSERR_NOERROR) {
        CloseDevice();
        FErrorText = "Error starting wave record: " + DeviceErrorText(r);
        return false;
    }
    Active = true;
    for (int i = 0; i < OpenBuffers; ++i) {
        if (!QueueBuffer()) {
            CloseDevice();
            return false;
        }
    }
    return true;
}

bool TAudioIn::QueueBuffer() {
    mm::WAVEHDR* h = Headers[static_cast<std::size_t>(NextIndex)];
    h->dwFlags = mm::WHDR_PREPARED;
    const mm::MMRESULT r = mm::waveInAddBuffer(DeviceHandle, h, kHeaderSize);
    if (r != mm::MMSYSERR_NOERROR) {
        FErrorText = DeviceErrorText(r);
        StopWhenDrained();
        return false;
    }
    NextIndex = (NextIndex + 1) % OpenBuffers;
    ++QueuedCount;
    return true;
}

bool TAudioIn::StartStream(TAudioIn*& ref) {
    if (!OpenDevice(ref))
        return false;
    return BeginTransfer();
}

void TAudioIn::BufferDone(mm::HWAVEIN handle) {
    // Left over from an earlier open: it must not touch this one.
    if (!DeviceOpen || handle != DeviceHandle)
        return;
    ++DoneCount;
    --QueuedCount;
    Active = QueuedCount > 0;
    if (ServiceBuffer(BufferData[static_cast<std::size_t>(NextIndex)], OpenBufferSize))
        QueueBuffer();
    if (!Active) {
        Running = false;
        CloseDevice();
    }
}

// ---- TAudioOut --------------------------------------------------------------

TAudioOut::TAudioOut(QObject* owner) : TAudioIO(owner) {
    InputDirection = false;
}

TAudioOut::~TAudioOut() {
    if (DeviceOpen)
        StopNow();
}

void TAudioOut::SetPaused(bool paused) {
    FPaused = paused;
    if (Active) {
        if (paused)
            mm::waveOutPause(DeviceHandle);
        else
            mm::waveOutRestart(DeviceHandle);
    }
}

void TAudioOut::StopNow() {
    if (!DeviceOpen)
        return;
    Active = false;
    Running = false;
    mm::waveOutReset(DeviceHandle);
    CloseDevice();
}

void TAudioOut::StopWhenDrained() {
    if (DeviceOpen)
        Running = false;
}

bool TAudioOut::ServiceBuffer(std::int32_t index, std::int32_t Size) {
    if (!Running)
        return false;
    bool result = false;
    if (OnFillBuffer) {
        std::int32_t s = Size;
        result =
            CallBufferEvent(OnFillBuffer, BufferData[static_cast<std::size_t>(index)], s, false);
        // Never play past the buffer, whatever the event says.
        s = std::clamp<std::int32_t>(s, 0, Size);
        Headers[static_cast<std::size_t>(index)]->dwBufferLength = static_cast<mm::DWORD>(s);
    }
    if (result)
        ++FilledCount;
    QueuedCount = FilledCount - DoneCount;
    return result;
}

mm::MMRESULT TAudioOut::CloseDevice() {
    Active = false;
    FPaused = false;
    // A stream counted closed leaves no buffer at the device: buffers
    // written after a refusal may still be there.
    const bool anyQueued =
        std::any_of(Headers.begin(), Headers.begin() + OpenBuffers,
                    [](const mm::WAVEHDR* h) { return h && (h->dwFlags & mm::WHDR_INQUEUE); });
    if (anyQueued)
        mm::waveOutReset(DeviceHandle);
    for (int i = 0; i < OpenBuffers; ++i)
        mm::waveOutUnprepareHeader(DeviceHandle, Headers[static_cast<std::size_t>(i)], kHeaderSize);
    const mm::MMRESULT r = mm::waveOutClose(DeviceHandle);
    DeviceOpen = false;
    return r;
}

bool TAudioOut::OpenDevice(TAudioOut*& ref) {
    if (DeviceOpen) {
        FErrorText = "Wave output device is already open";
        return false;
    }
    NextIndex = 0;
    if (!EnsurePool())
        return false;
    OpenBuffers = FNumBuffers;
    if (!CallbackWindow)
        CallbackWindow = std::make_unique<TCallBackWinOut>(this);
    CallbackWindow->StreamRef = &ref;
    const mm::MMRESULT r =
        mm::waveOutOpen(&DeviceHandle, DeviceId, &WaveFormat, CallbackWindow.get(), 0, kOpenFlags);
    if (r != mm::MMSYSERR_NOERROR) {
        FErrorText = DeviceErrorText(r);
        return false;
    }
    DeviceOpen = true;
    LinkHeaders();
    OpenBufferSize = EffectiveBufferSize;
    for (int i = 0; i < OpenBuffers; ++i) {
        const mm::MMRESULT p = mm::waveOutPrepareHeader(
            DeviceHandle, Headers[static_cast<std::size_t>(i)], kHeaderSize);
        if (p != mm::MMSYSERR_NOERROR) {
            FErrorText = DeviceErrorText(p);
            CloseDevice();
            return false;
        }
    }
    QueuedCount = 0;
    DoneCount = 0;
    FilledCount = 0;
    Running = true;
    Active = true;
    if (!ServiceBuffer(0, OpenBufferSize)) {
        CloseDevice();
        FErrorText = "There must be at least one filled buffer";
        return false;
    }
    for (int i = 1; i < OpenBuffers; ++i)
        ServiceBuffer(i, OpenBufferSize);
    return true;
}

bool TAudioOut::BeginTransfer() {
    Active = true;
    if (FPaused)
        mm::waveOutPause(DeviceHandle);
    if (!QueueBuffer()) {
        CloseDevice();
        return false;
    }
    bool allWritten = true;
    for (int i = 1; i < OpenBuffers; ++i)
        allWritten = QueueBuffer() && allWritten;
    if (!allWritten)
        CountWhatTheDeviceHolds();
    return true;
}

void TAudioOut::CountWhatTheDeviceHolds() {
    // A buffer filled but refused by the device never comes back: counted
    // as queued, it would keep the stream open for ever.
    QueuedCount = static_cast<std::int32_t>(
        std::count_if(Headers.begin(), Headers.begin() + OpenBuffers,
                      [](const mm::WAVEHDR* h) { return h && (h->dwFlags & mm::WHDR_INQUEUE); }));
    FilledCount = DoneCount + QueuedCount;
    Active = QueuedCount > 0;
}

bool TAudioOut::QueueBuffer() {
    mm::WAVEHDR* h = Headers[static_cast<std::size_t>(NextIndex)];
    h->dwFlags = mm::WHDR_PREPARED;
    const mm::MMRESULT r = mm::waveOutWrite(DeviceHandle, h, kHeaderSize);
    if (r != mm::MMSYSERR_NOERROR) {
        FErrorText = DeviceErrorText(r);
        StopWhenDrained();
        return false;
    }
    NextIndex = (NextIndex + 1) % OpenBuffers;
    return true;
}

bool TAudioOut::StartStream(TAudioOut*& ref) {
    if (!OpenDevice(ref))
        return false;
    return BeginTransfer();
}

void TAudioOut::BufferDone(mm::HWAVEOUT handle) {
    if (!DeviceOpen || handle != DeviceHandle)
        return;
    ++DoneCount;
    QueuedCount = FilledCount - DoneCount;
    Active = QueuedCount > 0;
    if (ServiceBuffer(NextIndex, OpenBufferSize) && !QueueBuffer())
        CountWhatTheDeviceHolds();
    if (!Active) {
        Running = false;
        CloseDevice();
    }
}
