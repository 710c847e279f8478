// Cost of one display cycle on the start-up client area (794 x 526) with a
// two-channel 1 kHz capture: measurements, ranges, trigger, scales and one
// frame of both traces. The cycle runs back to back from the idle handler, so
// it sets the frame rate and how promptly input is handled.
#include "core/Form1.h"
#include "platform/ui/Application.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <vector>

namespace {

std::unique_ptr<zvk::TForm1> MakeForm() {
    auto form = std::make_unique<zvk::TForm1>();
    form->FormCreate(nullptr);
    // A 1 kHz sine on both inputs, the right one at half the amplitude, fed
    // as the card delivers it.
    std::vector<std::uint8_t> buffer(32000);
    for (int i = 0; i < 8000; ++i) {
        const double s = std::sin(2 * std::numbers::pi * 1000.0 * i / 44100.0);
        const auto put = [&](int k, double v) {
            const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(std::nearbyint(v)));
            buffer[static_cast<std::size_t>(2 * k)] = static_cast<std::uint8_t>(u & 0xFF);
            buffer[static_cast<std::size_t>(2 * k + 1)] = static_cast<std::uint8_t>(u >> 8);
        };
        put(2 * i, 5000.0 * s);
        put(2 * i + 1, 10000.0 * s);
    }
    std::int32_t size = 32000;
    form->AudioIn1BufferFilled(buffer.data(), size);
    form->DisplayCycle(); // ranges and time base settle
    return form;
}

void BM_DisplayCycle(benchmark::State& state) {
    auto form = MakeForm();
    for (auto _ : state) {
        form->DisplayCycle();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DisplayCycle)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// What the idle handler does per periodic cycle: the graticule, then the cycle.
void BM_IdleDrawing(benchmark::State& state) {
    auto form = MakeForm();
    for (auto _ : state) {
        form->DrawGraticule();
        form->DisplayCycle();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_IdleDrawing)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The same cycle without drawing, as the headless measurement runs it.
void BM_DisplayCycleWithoutDrawing(benchmark::State& state) {
    auto form = MakeForm();
    form->displayDrawingOff = true;
    for (auto _ : state) {
        form->DisplayCycle();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DisplayCycleWithoutDrawing)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vcl::TApplication application;
    vcl::SetApplication(&application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vcl::SetApplication(nullptr);
    return 0;
}
