// Cost of one playback fill in each mode. A two-tone fill must finish well
// inside the 1.5 s that the queued buffers still play.
#include "generator/ToneSynthesis.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

constexpr std::int32_t kRate = 44100;

void BM_TwoToneFill(benchmark::State& state) {
    std::array<std::int16_t, zvk::kTwoToneFillBytes / 2> out{};
    for (auto _ : state) {
        zvk::FillTwoTone(out.data(), static_cast<std::int32_t>(out.size()), kRate, 100, 9000, 500,
                         1000);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(out.size()));
}
BENCHMARK(BM_TwoToneFill)->Unit(benchmark::kMillisecond);

void BM_SweptFill(benchmark::State& state) {
    std::array<std::int16_t, zvk::kSweptFillBytes / 2> out{};
    for (auto _ : state) {
        zvk::SweepState sweep{zvk::SweepStartFactor(100), zvk::SweepStepLength(500), 0};
        zvk::FillSwept(out.data(), static_cast<std::int32_t>(out.size()), kRate, 9000, sweep);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(out.size()));
}
BENCHMARK(BM_SweptFill)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
