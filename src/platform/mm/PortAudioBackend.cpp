// The sound card through PortAudio (on Debian: ALSA, usually routed to
// PulseAudio or PipeWire).
//
// Threads:
// - PortAudio's callback thread touches only its line's ring and atomics:
//   no lock, no allocation, no I/O, no event posting.
// - One worker thread makes every PortAudio call, in order, so a call that
//   hangs inside the sound system (seen with PortAudio 19.6 over ALSA)
//   never hangs the window; the GUI waits for an open with a time limit.
// - The GUI thread owns the wave devices; a timer there moves sound between
//   the rings and the devices' buffers, posts the completions and watches
//   the callback counts.
//
// A physical stream (line) stays open a few seconds after its wave device
// closes, so the capture stream's frequent reopening costs no device open.
#include "platform/mm/SpscRing.h"
#include "platform/mm/WaveDevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <alsa/asoundlib.h>
#include <portaudio.h>

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace mm::detail {
namespace {

constexpr int kPollMs = 5;
constexpr qint64 kWatchdogMs = 2000;
constexpr qint64 kFirstCallbackMs = 6000;
constexpr qint64 kLingerMs = 3000;
constexpr int kOpenTimeoutMs = 5000;
constexpr double kMinLatency = 0.1;
constexpr qint64 kRefreshMs = 2000;

// ALSA reports every configuration it probes and cannot use (dozens of
// lines at each start); the errors that matter come back as results.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

void InitializeSoundSystem() {
    if (qEnvironmentVariableIsEmpty("ZVK_AUDIO_DEBUG"))
        snd_lib_error_set_handler(QuietAlsa);
}

std::string& WantedName(bool input) {
    static std::string in, out;
    return input ? in : out;
}

// ---- worker ------------------------------------------------------------------

class Worker {
public:
    Worker() : state_(std::make_shared<Shared>()) {
        thread_ = std::thread([s = state_] { Run(s); });
    }
    ~Worker() {
        {
            std::lock_guard<std::mutex> lock(state_->m);
            state_->quit = true;
        }
        state_->cv.notify_all();
        // A thread stuck inside the sound system is left behind rather than
        // hanging the program's exit.
        if (WaitIdle(2000))
            thread_.join();
        else
            thread_.detach();
    }
    void Post(std::function<void()> job) {
        {
            std::lock_guard<std::mutex> lock(state_->m);
            state_->jobs.push_back(std::move(job));
        }
        state_->cv.notify_all();
    }
    // Runs the job and waits for it at most timeoutMs; False on timeout
    // (the job still runs later and must own what it touches).
    bool RunSync(std::function<void()> job, int timeoutMs) {
        auto done = std::make_shared<Done>();
        Post([job = std::move(job), done] {
            job();
            std::lock_guard<std::mutex> lock(done->m);
            done->flag = true;
            done->cv.notify_all();
        });
        std::unique_lock<std::mutex> lock(done->m);
        return done->cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                 [&] { return done->flag; });
    }
    bool WaitIdle(int timeoutMs) {
        std::unique_lock<std::mutex> lock(state_->m);
        return state_->cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                   [&] { return state_->jobs.empty() && !state_->busy; });
    }

private:
    struct Shared {
        std::mutex m;
        std::condition_variable cv;
        std::deque<std::function<void()>> jobs;
        bool quit = false;
        bool busy = false;
    };
    struct Done {
        std::mutex m;
        std::condition_variable cv;
        bool flag = false;
    };
    static void Run(std::shared_ptr<Shared> s) {
        std::unique_lock<std::mutex> lock(s->m);
        for (;;) {
            s->cv.wait(lock, [&] { return s->quit || !s->jobs.empty(); });
            if (s->jobs.empty())
                return;
            std::function<void()> job = std::move(s->jobs.front());
            s->jobs.pop_front();
            s->busy = true;
            lock.unlock();
            job();
            lock.lock();
            s->busy = false;
            s->cv.notify_all();
        }
    }
    std::shared_ptr<Shared> state_;
    std::thread thread_;
};

// ---- line: one physical stream ------------------------------------------------

struct Line {
    Line(bool in, const WAVEFORMATEX& f, std::size_t ringBytes)
        : input(in), format(f), ring(ringBytes) {}
    const bool input;
    const WAVEFORMATEX format;
    PaDeviceIndex device = paNoDevice;
    PaStream* stream = nullptr;
    SpscRing ring;
    std::atomic<std::uint64_t> callbacks{0};
    std::atomic<bool> finished{false};
    std::atomic<bool> paused{false};
    std::atomic<std::uint64_t> flushTo{0};
    std::atomic<std::uint64_t> submitted{0};
    // GUI side.
    WaveDevice* user = nullptr;
    std::uint64_t seenCallbacks = 0;
    QElapsedTimer sinceProgress;
    QElapsedTimer sinceUsed;
};

std::int32_t ReadSample(const std::uint8_t* p, int bits) {
    if (bits == 8)
        return (static_cast<std::int32_t>(p[0]) - 128) * 256;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

int InputCallback(const void* input, void*, unsigned long frames, const PaStreamCallbackTimeInfo*,
                  PaStreamCallbackFlags flags, void* data) {
    auto* line = static_cast<Line*>(data);
    line->callbacks.fetch_add(1, std::memory_order_release);
    CounterSet& c = GlobalCounters();
    if (flags & paInputOverflow)
        c.inputOverflows.fetch_add(1, std::memory_order_relaxed);
    if (!input)
        return paContinue;
    const std::size_t bytes = frames * line->format.nBlockAlign;
    if (line->ring.Write(static_cast<const std::uint8_t*>(input), bytes) < bytes)
        c.inputOverflows.fetch_add(1, std::memory_order_relaxed);
    c.inputFrames.fetch_add(frames, std::memory_order_relaxed);
    return paContinue;
}

int OutputCallback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                   PaStreamCallbackFlags flags, void* data) {
    auto* line = static_cast<Line*>(data);
    line->callbacks.fetch_add(1, std::memory_order_release);
    CounterSet& c = GlobalCounters();
    if (flags & paOutputUnderflow)
        c.outputUnderflows.fetch_add(1, std::memory_order_relaxed);
    line->ring.SkipTo(line->flushTo.load(std::memory_order_acquire));
    auto* out = static_cast<std::int16_t*>(output);
    if (line->paused.load(std::memory_order_acquire)) {
        std::fill_n(out, frames * 2, std::int16_t{0});
        return paContinue;
    }
    const WAVEFORMATEX& f = line->format;
    const int bits = f.wBitsPerSample;
    const int step = bits / 8;
    const std::uint32_t volume = PlaybackVolume();
    const std::int64_t volL = volume & 0xFFFFu;
    const std::int64_t volR = volume >> 16;
    std::uint8_t chunk[1024];
    const std::size_t chunkFrames = sizeof chunk / f.nBlockAlign;
    unsigned long done = 0;
    bool shortOfSound = false;
    while (done < frames) {
        const std::size_t want = std::min<std::size_t>(chunkFrames, frames - done);
        const std::size_t got = line->ring.Read(chunk, want * f.nBlockAlign) / f.nBlockAlign;
        for (std::size_t i = 0; i < got; ++i) {
            const std::uint8_t* p = chunk + i * f.nBlockAlign;
            const std::int64_t l = ReadSample(p, bits);
            const std::int64_t r = f.nChannels == 2 ? ReadSample(p + step, bits) : l;
            out[2 * (done + i)] = static_cast<std::int16_t>(l * volL / 0xFFFF);
            out[2 * (done + i) + 1] = static_cast<std::int16_t>(r * volR / 0xFFFF);
        }
        c.outputFrames.fetch_add(got, std::memory_order_relaxed);
        done += static_cast<unsigned long>(got);
        if (got < want) {
            shortOfSound = true;
            break;
        }
    }
    std::fill(out + 2 * done, out + 2 * frames, std::int16_t{0});
    // Short although the program had written more: a gap in the sound.
    if (shortOfSound && line->ring.ReadPosition() < line->submitted.load(std::memory_order_acquire))
        c.outputUnderflows.fetch_add(1, std::memory_order_relaxed);
    return paContinue;
}

void Finished(void* data) {
    static_cast<Line*>(data)->finished.store(true);
}

// Closes a line on the worker (its callbacks stop before it is freed).
void CloseLine(Line* line) {
    if (line->stream) {
        Pa_AbortStream(line->stream);
        Pa_CloseStream(line->stream);
    }
    delete line;
}

MMRESULT MapError(PaError e, std::string& detail) {
    switch (e) {
    case paNoError:
        return MMSYSERR_NOERROR;
    case paDeviceUnavailable:
        return MMSYSERR_ALLOCATED;
    case paInvalidDevice:
        return MMSYSERR_BADDEVICEID;
    case paInvalidSampleRate:
    case paSampleFormatNotSupported:
    case paInvalidChannelCount:
        return WAVERR_BADFORMAT;
    case paInsufficientMemory:
        return MMSYSERR_NOMEM;
    case paUnanticipatedHostError: {
        const PaHostErrorInfo* info = Pa_GetLastHostErrorInfo();
        if (info && (info->errorCode == -16)) // EBUSY
            return MMSYSERR_ALLOCATED;
        if (info && (info->errorCode == -19 || info->errorCode == -2)) // ENODEV, ENOENT
            return MMSYSERR_BADDEVICEID;
        detail = info && info->errorText ? info->errorText : Pa_GetErrorText(e);
        return MMSYSERR_ERROR;
    }
    default:
        detail = Pa_GetErrorText(e);
        return MMSYSERR_ERROR;
    }
}

bool Contains(const std::string& hay, const std::string& needle) {
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        return s;
    };
    return lower(hay).find(lower(needle)) != std::string::npos;
}

// Worker thread: the device for a direction, by name or the default.
PaDeviceIndex FindDevice(bool input, const std::string& name) {
    if (name.empty())
        return input ? Pa_GetDefaultInputDevice() : Pa_GetDefaultOutputDevice();
    const PaDeviceIndex n = Pa_GetDeviceCount();
    for (PaDeviceIndex i = 0; i < n; ++i) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
        if (!info || (input ? info->maxInputChannels : info->maxOutputChannels) <= 0)
            continue;
        if (info->name && Contains(info->name, name))
            return i;
    }
    return paNoDevice;
}

// Worker thread: opens and starts a line.
MMRESULT OpenLine(Line* line, const std::string& name, std::string& detail) {
    line->device = FindDevice(line->input, name);
    if (line->device == paNoDevice)
        return MMSYSERR_BADDEVICEID;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(line->device);
    if (!info)
        return MMSYSERR_BADDEVICEID;
    const WAVEFORMATEX& f = line->format;
    PaStreamParameters p{};
    p.device = line->device;
    if (line->input) {
        p.channelCount = f.nChannels;
        p.sampleFormat = f.wBitsPerSample == 8 ? paUInt8 : paInt16;
        p.suggestedLatency = std::max(info->defaultHighInputLatency, kMinLatency);
    } else {
        p.channelCount = 2;
        p.sampleFormat = paInt16;
        p.suggestedLatency = std::max(info->defaultHighOutputLatency, kMinLatency);
    }
    PaStreamParameters* in = line->input ? &p : nullptr;
    PaStreamParameters* out = line->input ? nullptr : &p;
    const double rate = f.nSamplesPerSec;
    PaError e = Pa_IsFormatSupported(in, out, rate);
    if (e != paFormatIsSupported && e != paDeviceUnavailable && e != paUnanticipatedHostError)
        return MapError(e, detail) == MMSYSERR_ERROR ? WAVERR_BADFORMAT : MapError(e, detail);
    e = Pa_OpenStream(&line->stream, in, out, rate, paFramesPerBufferUnspecified, paClipOff,
                      line->input ? InputCallback : OutputCallback, line);
    if (e != paNoError) {
        line->stream = nullptr;
        return MapError(e, detail);
    }
    Pa_SetStreamFinishedCallback(line->stream, Finished);
    e = Pa_StartStream(line->stream);
    if (e != paNoError) {
        Pa_CloseStream(line->stream);
        line->stream = nullptr;
        return MapError(e, detail);
    }
    return MMSYSERR_NOERROR;
}

class PaBackend;

class PaDevice final : public WaveDevice {
public:
    PaDevice(PaBackend* owner, Line* line, bool input, std::uint32_t handle,
             const WAVEFORMATEX& format, QObject* cb, DWORD_PTR inst)
        : WaveDevice(input, handle, format, cb, inst), line_(line), owner_(owner) {}
    ~PaDevice() override;
    Line* line_;

protected:
    MMRESULT OnStart() override {
        if (line_)
            line_->ring.Skip(line_->ring.ReadAvailable()); // nothing from before the start
        return MMSYSERR_NOERROR;
    }
    void OnPause() override {
        if (line_)
            line_->paused.store(true, std::memory_order_release);
    }
    void OnRestart() override {
        if (line_)
            line_->paused.store(false, std::memory_order_release);
    }
    void OnReset() override {
        if (line_ && !IsInput())
            line_->flushTo.store(line_->ring.WritePosition(), std::memory_order_release);
    }

private:
    PaBackend* owner_;
};

class PaBackend final : public Backend {
public:
    ~PaBackend() override {
        delete timer_.data();
        std::vector<Line*> lines;
        for (Line* l : {in_, out_})
            if (l)
                lines.push_back(l);
        in_ = out_ = nullptr;
        worker_.Post([lines] {
            for (Line* l : lines)
                CloseLine(l);
            Pa_Terminate();
        });
    }

    bool Start(std::string& message, bool requireDefaults) {
        PaError e = paNoError;
        PaDeviceIndex defIn = paNoDevice, defOut = paNoDevice;
        auto result = std::make_shared<std::tuple<PaError, PaDeviceIndex, PaDeviceIndex>>();
        if (!worker_.RunSync(
                [result] {
                    InitializeSoundSystem();
                    const PaError err = Pa_Initialize();
                    *result = {err, err == paNoError ? Pa_GetDefaultInputDevice() : paNoDevice,
                               err == paNoError ? Pa_GetDefaultOutputDevice() : paNoDevice};
                },
                kOpenTimeoutMs)) {
            message = "the sound system does not respond";
            hung_->store(true);
            return false;
        }
        std::tie(e, defIn, defOut) = *result;
        if (e != paNoError) {
            message = Pa_GetErrorText(e);
            return false;
        }
        if (requireDefaults && (defIn == paNoDevice || defOut == paNoDevice)) {
            message = defIn == paNoDevice ? "no capture device" : "no playback device";
            return false;
        }
        timer_ = new QTimer(QCoreApplication::instance());
        timer_->setInterval(kPollMs);
        QObject::connect(timer_, &QTimer::timeout, [this] { Poll(); });
        return true;
    }

    const char* Name() const override { return "portaudio"; }

    MMRESULT Open(bool input, std::uint32_t handle, UINT, const WAVEFORMATEX& format,
                  QObject* callback, DWORD_PTR instance,
                  std::unique_ptr<WaveDevice>& device) override {
        if (hung_->load()) {
            SetErrorDetail("the sound system does not respond");
            return MMSYSERR_ERROR;
        }
        if (restarting_->load())
            return WAVERR_RESTARTING;
        Line*& line = input ? in_ : out_;
        if (line && line->user)
            return MMSYSERR_ALLOCATED; // one wave device per direction
        const std::string name = WantedName(input);
        const bool reuse = line && line->stream && !line->finished.load() &&
                           std::memcmp(&line->format, &format, sizeof format) == 0 &&
                           name == lineName_[input ? 0 : 1];
        if (!reuse) {
            Line* old = line;
            line = nullptr;
            auto req = std::make_shared<Request>();
            req->line = new Line(input, format, RingBytes(format, input));
            req->old = old;
            req->name = name;
            worker_.RunSync(
                [req, hung = hung_] {
                    if (req->old)
                        CloseLine(req->old);
                    req->code = OpenLine(req->line, req->name, req->detail);
                    std::lock_guard<std::mutex> lock(req->m);
                    req->finished = true;
                    if (req->code != MMSYSERR_NOERROR || req->abandoned) {
                        CloseLine(req->line);
                        req->line = nullptr;
                    }
                    // The sound system answered after all: try again.
                    if (req->abandoned)
                        hung->store(false);
                },
                kOpenTimeoutMs);
            std::lock_guard<std::mutex> lock(req->m);
            if (!req->finished) {
                req->abandoned = true;
                hung_->store(true);
                SetErrorDetail("the sound system does not respond");
                return MMSYSERR_ERROR;
            }
            if (req->code != MMSYSERR_NOERROR) {
                if (!req->detail.empty())
                    SetErrorDetail(req->detail);
                // The device list may be stale (a server or card came back):
                // refresh it for a later attempt.
                if (req->code == MMSYSERR_BADDEVICEID || req->code == MMSYSERR_ERROR)
                    Refresh({});
                return req->code;
            }
            line = req->line;
            lineName_[input ? 0 : 1] = name;
            line->sinceProgress.start();
            line->seenCallbacks = line->callbacks.load();
        }
        auto dev =
            std::make_unique<PaDevice>(this, line, input, handle, format, callback, instance);
        line->user = dev.get();
        line->paused.store(false);
        if (!input) {
            // Start clean: whatever the line still holds is not this device's.
            line->flushTo.store(line->ring.WritePosition(), std::memory_order_release);
            line->submitted.store(line->ring.WritePosition(), std::memory_order_release);
        }
        device = std::move(dev);
        if (!timer_->isActive())
            timer_->start();
        return MMSYSERR_NOERROR;
    }

    void Detach(PaDevice* d) {
        for (Line* l : {in_, out_})
            if (l && l->user == d) {
                l->user = nullptr;
                l->paused.store(false);
                l->sinceUsed.start();
                if (!l->input)
                    l->flushTo.store(l->ring.WritePosition(), std::memory_order_release);
            }
    }

    std::uint32_t MixerCount() override {
        std::uint32_t n = 0;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/asound", ec)) {
            const std::string name = entry.path().filename().string();
            if (name.size() > 4 && name.compare(0, 4, "card") == 0 &&
                std::all_of(name.begin() + 4, name.end(),
                            [](unsigned char ch) { return std::isdigit(ch) != 0; }))
                ++n;
        }
        return n;
    }

    bool ListDevices(std::ostream& out) override {
        auto text = std::make_shared<std::string>();
        if (!worker_.RunSync([text] { *text = DeviceList(); }, kOpenTimeoutMs)) {
            out << "the sound system does not respond\n";
            return false;
        }
        out << *text;
        return true;
    }

    bool restartingNow() const { return restarting_->load(); }

private:
    struct Request {
        std::mutex m;
        Line* line = nullptr;
        Line* old = nullptr;
        std::string name;
        std::string detail;
        MMRESULT code = MMSYSERR_ERROR;
        bool finished = false;
        bool abandoned = false;
    };

    static std::size_t RingBytes(const WAVEFORMATEX& f, bool input) {
        // Two seconds: far more than a callback period or a GUI stall.
        (void)input;
        return static_cast<std::size_t>(f.nAvgBytesPerSec) * 2;
    }

    static std::string DeviceList() {
        std::string s;
        const PaDeviceIndex n = Pa_GetDeviceCount();
        const PaDeviceIndex defIn = Pa_GetDefaultInputDevice();
        const PaDeviceIndex defOut = Pa_GetDefaultOutputDevice();
        for (int pass = 0; pass < 2; ++pass) {
            s += pass == 0 ? "capture devices:\n" : "playback devices:\n";
            for (PaDeviceIndex i = 0; i < n; ++i) {
                const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
                if (!info)
                    continue;
                const int ch = pass == 0 ? info->maxInputChannels : info->maxOutputChannels;
                if (ch <= 0)
                    continue;
                const bool def = i == (pass == 0 ? defIn : defOut);
                s += def ? "* " : "  ";
                s += info->name ? info->name : "?";
                s += " (" + std::to_string(ch) + " channels)\n";
            }
        }
        return s;
    }

    void Poll() {
        bool lost = false;
        for (Line* l : {in_, out_}) {
            if (!l)
                continue;
            const std::uint64_t calls = l->callbacks.load(std::memory_order_acquire);
            if (calls != l->seenCallbacks) {
                l->seenCallbacks = calls;
                l->sinceProgress.restart();
            }
            // A capture through a sound server may take well over a second
            // to deliver its first frames; after that, silence means loss.
            const qint64 limit = calls == 0 ? kFirstCallbackMs : kWatchdogMs;
            if (l->finished.load() || l->sinceProgress.elapsed() > limit)
                lost = true;
        }
        if (lost) {
            LoseEverything();
            return;
        }
        if (in_)
            PollInput(*in_);
        if (out_)
            PollOutput(*out_);
        for (Line** lp : {&in_, &out_}) {
            Line* l = *lp;
            if (l && !l->user && l->sinceUsed.isValid() && l->sinceUsed.elapsed() > kLingerMs) {
                *lp = nullptr;
                worker_.Post([l] { CloseLine(l); });
            }
        }
        if (!in_ && !out_)
            timer_->stop();
    }

    void PollInput(Line& l) {
        auto* d = static_cast<PaDevice*>(l.user);
        if (!d || !d->Started()) {
            l.ring.Skip(l.ring.ReadAvailable());
            return;
        }
        scratch_.resize(l.ring.Capacity());
        const std::size_t n = l.ring.Read(scratch_.data(), l.ring.ReadAvailable());
        d->DeliverInput(scratch_.data(), n);
    }

    void PollOutput(Line& l) {
        auto* d = static_cast<PaDevice*>(l.user);
        if (!d)
            return;
        // Ring position = base + device position, for everything this
        // device has handed on.
        const std::uint64_t base = l.ring.WritePosition() - d->CopyPosition();
        const std::uint64_t read = l.ring.ReadPosition();
        if (read >= base)
            d->CompleteOutputUpTo(read - base);
        scratch_.resize(l.ring.Capacity());
        const std::size_t room = l.ring.WriteAvailable();
        const std::size_t n = d->CopyOutput(scratch_.data(), room - room % l.format.nBlockAlign);
        l.ring.Write(scratch_.data(), n);
        l.submitted.store(base + d->WrittenEnd(), std::memory_order_release);
        // Zero-length buffers complete at once.
        const std::uint64_t read2 = l.ring.ReadPosition();
        if (read2 >= base)
            d->CompleteOutputUpTo(read2 - base);
    }

    // A stream stopped calling back or ended: the sound system lost the
    // device. Every queued buffer comes back, the lines are closed on the
    // worker and PortAudio re-initialised so the next open sees the
    // current devices.
    void LoseEverything() {
        std::vector<Line*> lines;
        for (Line** lp : {&in_, &out_}) {
            Line* l = *lp;
            if (!l)
                continue;
            if (auto* d = static_cast<PaDevice*>(l->user)) {
                d->line_ = nullptr;
                d->Lose();
            }
            lines.push_back(l);
            *lp = nullptr;
        }
        timer_->stop();
        lastRefresh_.invalidate();
        Refresh(std::move(lines));
    }

    // Re-initialises PortAudio on the worker (closing the given lines
    // first), at most every kRefreshMs and only with no line open.
    void Refresh(std::vector<Line*> lines) {
        if (lines.empty() &&
            (in_ || out_ || (lastRefresh_.isValid() && lastRefresh_.elapsed() < kRefreshMs)))
            return;
        lastRefresh_.start();
        restarting_->store(true);
        worker_.Post([lines, flag = restarting_] {
            for (Line* l : lines)
                CloseLine(l);
            Pa_Terminate();
            Pa_Initialize();
            flag->store(false);
        });
    }

    Worker worker_;
    // Owned by the application object, so it never outlives Qt.
    QPointer<QTimer> timer_;
    Line* in_ = nullptr;
    Line* out_ = nullptr;
    std::string lineName_[2];
    std::vector<std::uint8_t> scratch_;
    std::shared_ptr<std::atomic<bool>> restarting_ = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<bool>> hung_ = std::make_shared<std::atomic<bool>>(false);
    QElapsedTimer lastRefresh_;
};

PaDevice::~PaDevice() {
    if (line_)
        owner_->Detach(this);
}

} // namespace

std::unique_ptr<Backend> MakePortAudioBackend(std::string& message, bool requireDefaults) {
    auto b = std::make_unique<PaBackend>();
    if (!b->Start(message, requireDefaults))
        return nullptr;
    return b;
}

void SetPortAudioDeviceName(bool input, const std::string& name) {
    WantedName(input) = name;
}

} // namespace mm::detail
