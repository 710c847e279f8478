#include "platform/mm/WaveDevice.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace mm::detail {

CounterSet& GlobalCounters() {
    static CounterSet counters;
    return counters;
}

WaveDevice::WaveDevice(bool input, std::uint32_t handle, const WAVEFORMATEX& format,
                       QObject* callback, DWORD_PTR instance)
    : input_(input), handle_(handle), format_(format), callback_(callback), instance_(instance) {
    GlobalCounters().openDevices.fetch_add(1, std::memory_order_relaxed);
}

WaveDevice::~WaveDevice() {
    GlobalCounters().openDevices.fetch_sub(1, std::memory_order_relaxed);
}

void WaveDevice::Post(UINT message, WAVEHDR* hdr) {
    if (callback_)
        QCoreApplication::postEvent(callback_.data(),
                                    new WaveEvent(message, handle_, instance_, hdr));
}

bool WaveDevice::Holds(const WAVEHDR* hdr) const {
    return std::any_of(queue_.begin(), queue_.end(),
                       [hdr](const Entry& e) { return e.hdr == hdr; });
}

void WaveDevice::PostOpen() {
    Post(input_ ? MM_WIM_OPEN : MM_WOM_OPEN, nullptr);
}
void WaveDevice::PostClose() {
    Post(input_ ? MM_WIM_CLOSE : MM_WOM_CLOSE, nullptr);
}

MMRESULT WaveDevice::Prepare(WAVEHDR* hdr, UINT size) {
    if (!hdr || size != sizeof(WAVEHDR) || (!hdr->lpData && hdr->dwBufferLength > 0))
        return MMSYSERR_INVALPARAM;
    if (hdr->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    hdr->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT WaveDevice::Unprepare(WAVEHDR* hdr, UINT size) {
    if (!hdr || size != sizeof(WAVEHDR))
        return MMSYSERR_INVALPARAM;
    if ((hdr->dwFlags & WHDR_INQUEUE) || Holds(hdr))
        return WAVERR_STILLPLAYING;
    hdr->dwFlags &= ~WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT WaveDevice::Add(WAVEHDR* hdr, UINT size) {
    if (!hdr || size != sizeof(WAVEHDR) || (!hdr->lpData && hdr->dwBufferLength > 0))
        return MMSYSERR_INVALPARAM;
    if (!(hdr->dwFlags & WHDR_PREPARED))
        return WAVERR_UNPREPARED;
    if ((hdr->dwFlags & WHDR_INQUEUE) || Holds(hdr))
        return WAVERR_STILLPLAYING;
    if (lost_)
        return WAVERR_DEVICELOST;
    // Capture buffers are filled in whole frames.
    std::uint64_t length = hdr->dwBufferLength;
    if (input_ && format_.nBlockAlign > 0)
        length -= length % format_.nBlockAlign;
    hdr->dwFlags = (hdr->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
    if (input_)
        hdr->dwBytesRecorded = 0;
    queue_.push_back(Entry{hdr, writtenEnd_, writtenEnd_ + length});
    writtenEnd_ += length;
    if (!input_) {
        if (dry_)
            GlobalCounters().outputUnderflows.fetch_add(1, std::memory_order_relaxed);
        dry_ = false;
        OnWritten();
    }
    return MMSYSERR_NOERROR;
}

MMRESULT WaveDevice::Start() {
    if (lost_)
        return WAVERR_DEVICELOST;
    if (started_)
        return MMSYSERR_NOERROR;
    const MMRESULT r = OnStart();
    if (r == MMSYSERR_NOERROR)
        started_ = true;
    return r;
}

MMRESULT WaveDevice::Stop() {
    if (!started_)
        return MMSYSERR_NOERROR;
    started_ = false;
    OnStop();
    // The buffer being filled comes back with what it holds.
    if (!queue_.empty() && queue_.front().hdr->dwBytesRecorded > 0) {
        WAVEHDR* hdr = queue_.front().hdr;
        queue_.pop_front();
        Complete(hdr);
    }
    return MMSYSERR_NOERROR;
}

MMRESULT WaveDevice::Pause() {
    if (!paused_) {
        paused_ = true;
        OnPause();
    }
    return MMSYSERR_NOERROR;
}

MMRESULT WaveDevice::Restart() {
    if (paused_) {
        paused_ = false;
        OnRestart();
    }
    return MMSYSERR_NOERROR;
}

void WaveDevice::ReturnAll() {
    while (!queue_.empty()) {
        WAVEHDR* hdr = queue_.front().hdr;
        queue_.pop_front();
        Complete(hdr);
    }
    // Sound written but never handed on is dropped with its buffers.
    writtenEnd_ = std::max(copyPos_, writtenEnd_);
    copyPos_ = writtenEnd_;
    dry_ = false;
}

MMRESULT WaveDevice::Reset() {
    if (input_ && started_) {
        started_ = false;
        OnStop();
    }
    OnReset();
    ReturnAll();
    return MMSYSERR_NOERROR;
}

void WaveDevice::Lose() {
    if (lost_)
        return;
    lost_ = true;
    GlobalCounters().devicesLost.fetch_add(1, std::memory_order_relaxed);
    ReturnAll();
}

MMRESULT WaveDevice::CheckClose() const {
    return queue_.empty() ? MMSYSERR_NOERROR : WAVERR_STILLPLAYING;
}

void WaveDevice::Complete(WAVEHDR* hdr) {
    hdr->dwFlags = (hdr->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    Post(input_ ? MM_WIM_DATA : MM_WOM_DONE, hdr);
}

std::size_t WaveDevice::DeliverInput(const std::uint8_t* data, std::size_t bytes) {
    std::size_t taken = 0;
    while (taken < bytes && !queue_.empty()) {
        WAVEHDR* hdr = queue_.front().hdr;
        const std::uint64_t length = queue_.front().end - queue_.front().start;
        const std::size_t room = static_cast<std::size_t>(length - hdr->dwBytesRecorded);
        const std::size_t n = std::min(room, bytes - taken);
        if (n > 0) {
            std::memcpy(hdr->lpData + hdr->dwBytesRecorded, data + taken, n);
            hdr->dwBytesRecorded += static_cast<DWORD>(n);
            taken += n;
        }
        if (hdr->dwBytesRecorded >= length) {
            queue_.pop_front();
            Complete(hdr);
        }
    }
    if (taken < bytes && started_)
        GlobalCounters().inputOverflows.fetch_add(1, std::memory_order_relaxed);
    return taken;
}

std::size_t WaveDevice::CopyOutput(std::uint8_t* dst, std::size_t bytes) {
    std::size_t copied = 0;
    for (const Entry& e : queue_) {
        if (copied == bytes)
            break;
        if (e.end <= copyPos_)
            continue;
        const std::size_t offset = static_cast<std::size_t>(copyPos_ - e.start);
        const std::size_t n = std::min(static_cast<std::size_t>(e.end - copyPos_), bytes - copied);
        std::memcpy(dst + copied, e.hdr->lpData + offset, n);
        copied += n;
        copyPos_ += n;
    }
    return copied;
}

void WaveDevice::MarkDry() {
    // A gap counts only once sound has played and more is written later.
    if (!paused_ && copyPos_ > 0)
        dry_ = true;
}

void WaveDevice::CompleteOutputUpTo(std::uint64_t pos) {
    while (!queue_.empty() && queue_.front().end <= pos && queue_.front().end <= copyPos_) {
        WAVEHDR* hdr = queue_.front().hdr;
        queue_.pop_front();
        Complete(hdr);
    }
}

} // namespace mm::detail
