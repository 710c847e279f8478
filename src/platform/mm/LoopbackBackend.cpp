// The built-in virtual cable: what the playback devices play, after the
// per-channel volume, arrives at the capture devices (output left -> first
// value of a capture frame, output right -> second). Paced by a GUI-thread
// timer against a monotonic clock, or by hand for tests. Runs at 44100 Hz.
#include "platform/mm/WaveDevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace mm::detail {
namespace {

class NoneBackend final : public Backend {
public:
    const char* Name() const override { return "none"; }
    MMRESULT Open(bool, std::uint32_t, UINT, const WAVEFORMATEX&, QObject*, DWORD_PTR,
                  std::unique_ptr<WaveDevice>&) override {
        return MMSYSERR_NODRIVER;
    }
    std::uint32_t MixerCount() override { return 0; }
    bool ListDevices(std::ostream& out) override {
        out << "no sound devices (audio backend none)\n";
        return true;
    }
};

class LoopbackBackend;

class LoopDevice final : public WaveDevice {
public:
    LoopDevice(LoopbackBackend* owner, bool input, std::uint32_t handle, const WAVEFORMATEX& format,
               QObject* cb, DWORD_PTR inst);
    ~LoopDevice() override;

private:
    LoopbackBackend* owner_;
};

constexpr std::uint32_t kChunk = 1024;
// A GUI thread stalled longer than this loses the rest, as a real card would.
constexpr std::uint64_t kMaxCatchUp = kLoopbackRate;

std::int32_t ReadSample(const std::uint8_t* p, int bits) {
    if (bits == 8)
        return (static_cast<std::int32_t>(p[0]) - 128) * 256;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

void WriteSample(std::uint8_t* p, int bits, std::int32_t v) {
    v = std::clamp(v, -32768, 32767);
    if (bits == 8) {
        p[0] = static_cast<std::uint8_t>((v >> 8) + 128);
        return;
    }
    const auto u = static_cast<std::uint16_t>(v);
    p[0] = static_cast<std::uint8_t>(u & 0xFF);
    p[1] = static_cast<std::uint8_t>(u >> 8);
}

class LoopbackBackend final : public Backend {
public:
    LoopbackBackend() : mixL_(kChunk), mixR_(kChunk), bytes_(kChunk * 4) {}
    ~LoopbackBackend() override { delete timer_.data(); }
    const char* Name() const override { return "loopback"; }

    MMRESULT Open(bool input, std::uint32_t handle, UINT, const WAVEFORMATEX& format,
                  QObject* callback, DWORD_PTR instance,
                  std::unique_ptr<WaveDevice>& device) override {
        if (failNext_ != MMSYSERR_NOERROR) {
            const MMRESULT r = failNext_;
            failNext_ = MMSYSERR_NOERROR;
            return r;
        }
        if (format.nSamplesPerSec != kLoopbackRate)
            return WAVERR_BADFORMAT;
        device = std::make_unique<LoopDevice>(this, input, handle, format, callback, instance);
        return MMSYSERR_NOERROR;
    }
    std::uint32_t MixerCount() override { return 1; }
    bool ListDevices(std::ostream& out) override {
        out << "capture devices:\n* loopback\nplayback devices:\n* loopback\n";
        return true;
    }

    void Add(LoopDevice* d) {
        devices_.push_back(d);
        UpdateClock();
    }
    void Remove(LoopDevice* d) {
        devices_.erase(std::remove(devices_.begin(), devices_.end(), d), devices_.end());
        UpdateClock();
    }
    void FailNext(MMRESULT code) { failNext_ = code; }
    void LoseAll() {
        for (LoopDevice* d : devices_)
            d->Lose();
    }
    void SetManual(bool manual) {
        manual_ = manual;
        UpdateClock();
    }
    void Advance(std::uint64_t frames) {
        while (frames > 0) {
            const auto n = static_cast<std::uint32_t>(std::min<std::uint64_t>(frames, kChunk));
            Chunk(n);
            frames -= n;
        }
    }

private:
    void UpdateClock() {
        const bool run = !manual_ && !devices_.empty();
        if (run && !timer_) {
            timer_ = new QTimer(QCoreApplication::instance());
            timer_->setTimerType(Qt::PreciseTimer);
            timer_->setInterval(5);
            QObject::connect(timer_, &QTimer::timeout, [this] { OnTimer(); });
        }
        if (run && !timer_->isActive()) {
            clock_.start();
            framesDone_ = 0;
            timer_->start();
        } else if (!run && timer_ && timer_->isActive()) {
            timer_->stop();
        }
    }

    void OnTimer() {
        const auto target =
            static_cast<std::uint64_t>(clock_.nsecsElapsed()) * kLoopbackRate / 1000000000u;
        std::uint64_t due = target - framesDone_;
        framesDone_ = target;
        if (due > kMaxCatchUp) {
            GlobalCounters().inputOverflows.fetch_add(1, std::memory_order_relaxed);
            due = kMaxCatchUp;
        }
        Advance(due);
    }

    void Chunk(std::uint32_t frames) {
        std::fill_n(mixL_.begin(), frames, 0);
        std::fill_n(mixR_.begin(), frames, 0);
        const std::uint32_t volume = PlaybackVolume();
        const std::int64_t volL = volume & 0xFFFFu;
        const std::int64_t volR = volume >> 16;
        // Copies: a completion never removes a device, but keep the loop
        // independent of the list anyway.
        std::vector<LoopDevice*>& list = scratch_;
        list.assign(devices_.begin(), devices_.end());
        for (LoopDevice* d : list) {
            if (d->IsInput() || d->Paused())
                continue;
            const WAVEFORMATEX& f = d->Format();
            const std::size_t got =
                d->CopyOutput(bytes_.data(), std::size_t{frames} * f.nBlockAlign);
            if (got < std::size_t{frames} * f.nBlockAlign)
                d->MarkDry();
            d->CompleteOutputUpTo(d->CopyPosition());
            const std::size_t n = got / f.nBlockAlign;
            const int step = f.wBitsPerSample / 8;
            for (std::size_t i = 0; i < n; ++i) {
                const std::uint8_t* p = bytes_.data() + i * f.nBlockAlign;
                const std::int64_t l = ReadSample(p, f.wBitsPerSample);
                const std::int64_t r =
                    f.nChannels == 2 ? ReadSample(p + step, f.wBitsPerSample) : l;
                mixL_[i] += static_cast<std::int32_t>(l * volL / 0xFFFF);
                mixR_[i] += static_cast<std::int32_t>(r * volR / 0xFFFF);
            }
            GlobalCounters().outputFrames.fetch_add(n, std::memory_order_relaxed);
        }
        for (LoopDevice* d : list) {
            if (!d->IsInput() || !d->Started())
                continue;
            const WAVEFORMATEX& f = d->Format();
            const int step = f.wBitsPerSample / 8;
            for (std::uint32_t i = 0; i < frames; ++i) {
                std::uint8_t* p = bytes_.data() + std::size_t{i} * f.nBlockAlign;
                WriteSample(p, f.wBitsPerSample, mixL_[i]);
                if (f.nChannels == 2)
                    WriteSample(p + step, f.wBitsPerSample, mixR_[i]);
            }
            d->DeliverInput(bytes_.data(), std::size_t{frames} * f.nBlockAlign);
            GlobalCounters().inputFrames.fetch_add(frames, std::memory_order_relaxed);
        }
    }

    std::vector<LoopDevice*> devices_;
    std::vector<LoopDevice*> scratch_;
    std::vector<std::int32_t> mixL_, mixR_;
    std::vector<std::uint8_t> bytes_;
    // Owned by the application object, so it never outlives Qt.
    QPointer<QTimer> timer_;
    QElapsedTimer clock_;
    std::uint64_t framesDone_ = 0;
    bool manual_ = false;
    MMRESULT failNext_ = MMSYSERR_NOERROR;
};

LoopDevice::LoopDevice(LoopbackBackend* owner, bool input, std::uint32_t handle,
                       const WAVEFORMATEX& format, QObject* cb, DWORD_PTR inst)
    : WaveDevice(input, handle, format, cb, inst), owner_(owner) {
    owner_->Add(this);
}

LoopDevice::~LoopDevice() {
    owner_->Remove(this);
}

} // namespace

std::unique_ptr<Backend> MakeNoneBackend() {
    return std::make_unique<NoneBackend>();
}
std::unique_ptr<Backend> MakeLoopbackBackend() {
    return std::make_unique<LoopbackBackend>();
}

void LoopbackManual(Backend* b, bool manual) {
    if (auto* lb = dynamic_cast<LoopbackBackend*>(b))
        lb->SetManual(manual);
}

void LoopbackAdvanceFrames(Backend* b, std::uint32_t frames) {
    if (auto* lb = dynamic_cast<LoopbackBackend*>(b))
        lb->Advance(frames);
}

void LoopbackFail(Backend* b, MMRESULT code) {
    if (auto* lb = dynamic_cast<LoopbackBackend*>(b))
        lb->FailNext(code);
}

void LoopbackLose(Backend* b) {
    if (auto* lb = dynamic_cast<LoopbackBackend*>(b))
        lb->LoseAll();
}

} // namespace mm::detail
