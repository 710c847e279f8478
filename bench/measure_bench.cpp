// Time of the four measurements of one cycle (left voltage, left frequency,
// right voltage, right frequency) on one 32000-byte capture, and of one
// trigger step.
#include "../tests/measure/SyntheticSignals.h"
#include "core/Form1.h"
#include "platform/ui/Application.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using zvk::TForm1;
namespace test = zvk::test;

// The window with the start-up values the measurements read, without starting
// any stream.
std::unique_ptr<TForm1> MakeWindow(const test::Wave& left, const test::Wave& right) {
    auto form = std::make_unique<TForm1>();
    form->leftCalibration = 0.066465;
    form->rightCalibration = 0.066424;
    form->leftRangeGain = 1.0;
    form->rightRangeGain = 1.0;
    form->leftTrackDivisor = 16;
    form->rightTrackDivisor = 16;
    form->rightSignIndex = 1;
    form->rightAppliedRange = zvk::VerticalRange::mV100;
    form->leftAppliedRange = zvk::VerticalRange::mV100;
    auto buffer = test::StereoBuffer(left, right);
    std::int32_t size = static_cast<std::int32_t>(buffer.size());
    form->AudioIn1BufferFilled(buffer.data(), size);
    return form;
}

void MeasureFour(benchmark::State& state, const test::Wave& left, const test::Wave& right) {
    auto form = MakeWindow(left, right);
    for (auto _ : state) {
        form->MeasureLeftVoltage();
        form->MeasureLeftFrequency();
        form->MeasureRightVoltage();
        form->MeasureRightFrequency();
        benchmark::DoNotOptimize(form->leftFrequency);
        benchmark::DoNotOptimize(form->rightFrequency);
    }
}

// Both channels in the fine pass.
void BM_FourMeasurements_1kHz(benchmark::State& state) {
    MeasureFour(state, test::Sine(1000, 10000), test::Sine(1000, 8000, 1.0));
}
// Coarse pass only.
void BM_FourMeasurements_50Hz(benchmark::State& state) {
    MeasureFour(state, test::Sine(50, 10000), test::Sine(50, 8000, 1.0));
}
// No edge anywhere: both passes search up to the fixed limit on both sides.
void BM_FourMeasurements_Silence(benchmark::State& state) {
    MeasureFour(state, test::Silence(), test::Silence());
}
void BM_FourMeasurements_Noise(benchmark::State& state) {
    MeasureFour(state, test::Noise(20000, 7), test::Noise(20000, 8));
}

void BM_TriggerStep_1kHz(benchmark::State& state) {
    auto form = MakeWindow(test::Sine(1000, 10000), test::Silence());
    form->MeasureLeftVoltage();
    for (auto _ : state) {
        form->leftSignIndex = 0;
        form->TriggerStep(zvk::TriggerChannel::Left);
        benchmark::DoNotOptimize(form->leftTraceStart);
    }
}

void BM_TriggerStep_Silence(benchmark::State& state) {
    auto form = MakeWindow(test::Silence(), test::Silence());
    form->MeasureLeftVoltage();
    for (auto _ : state) {
        form->leftSignIndex = 0;
        form->TriggerStep(zvk::TriggerChannel::Left);
        benchmark::DoNotOptimize(form->leftTraceStart);
    }
}

BENCHMARK(BM_FourMeasurements_1kHz)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FourMeasurements_50Hz)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FourMeasurements_Silence)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FourMeasurements_Noise)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TriggerStep_1kHz)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TriggerStep_Silence)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    vcl::TApplication application;
    vcl::SetApplication(&application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vcl::SetApplication(nullptr);
    return 0;
}
