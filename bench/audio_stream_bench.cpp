// Cost of the sound path: one second of sound through playback and capture
// streams on the loopback cable, and the ring between a sound callback and
// the GUI side.
#include "audio/AudioIO.h"
#include "platform/mm/SpscRing.h"

#include <QCoreApplication>
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
