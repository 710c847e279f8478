// Cost of the sound path: one second of sound through playback and capture
// streams on the loopback cable, and the ring between a sound callback and
// the GUI side.
#include "audio/AudioIO.h"
#include "platform/mm/SpscRing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The window's two streams, the capture refusing (reopened after every
// second buffer, as the idle cycle does), the playback always filled.
void BM_LoopbackSecondOfSound(benchmark::State& state) {
    std::string msg;
    mm::SelectBackend("loopback", msg);
    mm::LoopbackSetManualClock(true);
    auto* out = new TAudioOut(nullptr);
    out->SetBufferSize(44100);
    out->SetFrameRate(44100);
    out->OnFillBuffer = [](std::uint8_t* b, std::int32_t& size) {
        std::memset(b, 0x21, static_cast<std::size_t>(size));
        return true;
    };
    auto* in = new TAudioIn(nullptr);
    in->SetBufferSize(32000);
    in->SetNumBuffers(2);
    in->SetFrameRate(44100);
    in->SetStereo(true);
    std::vector<std::uint8_t> copy(32000);
    in->OnBufferFilled = [&](std::uint8_t* b, std::int32_t& size) {
        std::memcpy(copy.data(), b, static_cast<std::size_t>(size));
        return false;
    };
    out->StartStream(out);
    std::int64_t opens = 0;
    for (auto _ : state) {
        // 5 ms steps, as the real-time clock paces it.
        for (int step = 0; step < 200; ++step) {
            if (!in->GetDeviceOpen() && in->StartStream(in))
                ++opens;
            mm::LoopbackAdvance(220);
            QCoreApplication::sendPostedEvents();
        }
    }
    state.counters["capture_opens_per_s"] =
        benchmark::Counter(static_cast<double>(opens) / static_cast<double>(state.iterations()));
    delete in;
    delete out;
    QCoreApplication::sendPostedEvents();
}
BENCHMARK(BM_LoopbackSecondOfSound)->Unit(benchmark::kMillisecond);

// Play-to-capture latency on the real-time loopback clock: the time from
// starting playback to the moment its first sample was recorded, taken from
// the capture event of the buffer holding the onset less the recording time
// of the frames after the onset.
void BM_LoopbackPlayToCapture(benchmark::State& state) {
    std::string msg;
    mm::SelectBackend("loopback", msg);
    mm::LoopbackSetManualClock(false);
    mm::waveOutSetVolume(0, 0x0000FFFFu);
    QElapsedTimer clock;
    clock.start();
    auto* out = new TAudioOut(nullptr);
    out->SetBufferSize(44100);
    out->SetFrameRate(44100);
    out->OnFillBuffer = [](std::uint8_t* b, std::int32_t& size) {
        for (std::int32_t i = 0; i < size / 2; ++i) {
            const std::int16_t v = 8000;
            std::memcpy(b + 2 * i, &v, 2);
        }
        return true;
    };
    auto* in = new TAudioIn(nullptr);
    in->SetBufferSize(32000);
    in->SetNumBuffers(2);
    in->SetFrameRate(44100);
    in->SetStereo(true);
    qint64 startedAt = 0, onsetAt = -1;
    in->OnBufferFilled = [&](std::uint8_t* b, std::int32_t& size) {
        if (onsetAt < 0 && startedAt > 0) {
            for (std::int32_t i = 0; i < size / 4; ++i) {
                std::int16_t v;
                std::memcpy(&v, b + 4 * i, 2);
                if (v > 1000) {
                    onsetAt =
                        clock.nsecsElapsed() - static_cast<qint64>((size / 4 - i) * 1e9 / 44100.0);
                    break;
                }
            }
        }
        return true;
    };
    in->StartStream(in);
    for (auto _ : state) {
        onsetAt = -1;
        startedAt = clock.nsecsElapsed();
        out->StartStream(out);
        while (onsetAt < 0 && clock.nsecsElapsed() - startedAt < 3'000'000'000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(static_cast<double>(onsetAt - startedAt) / 1e9);
        out->StopNow();
        const qint64 quietUntil = clock.nsecsElapsed() + 400'000'000;
        startedAt = 0;
        while (clock.nsecsElapsed() < quietUntil)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    delete in;
    delete out;
    QCoreApplication::sendPostedEvents();
    mm::waveOutSetVolume(0, 0xFFFFFFFFu);
}
BENCHMARK(BM_LoopbackPlayToCapture)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_RingTransfer(benchmark::State& state) {
    mm::detail::SpscRing ring(1 << 16);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        ring.Write(block.data(), block.size());
        benchmark::DoNotOptimize(ring.Read(block.data(), block.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_RingTransfer)->Arg(4410)->Arg(32000);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
