// "optimum": the whole instrument back to one fixed set-up at any moment,
// with the optimum calibration set. Mostly the start-up again, step for step;
// the change events its own settings raise run in between, so the order of
// the steps matters. GUI thread.
#include "audio/AudioIO.h"
#include "calibration/CalibrationSets.h"
#include "core/CardVolumes.h"
#include "core/Form1.h"
#include "platform/ui/Application.h"

#include <string>

namespace zvk {

void TForm1::Button2Click(vcl::TObject* /*Sender*/) {
    // 1.
    sampleCount = AudioIn1->BufferSize() / 2;
    // 2.
    SetInstrumentGeometry();
    const int hc = ClientHeight() / 2;
    // 3.
    Panel110->SetTop(498);
    Panel110->SetLeft(388);
    // 4.
    rightSignIndex = 1;
    // 5.
    PlaceScaleLabels();
    // 6.
    ApplyOptimumCalibration(*this);
    // 7. Generator 2 falls silent.
    gen2Frequency = 0;
    gen2Amplitude = 0;
    // 8. Set to 1 again below, after the frequency bar's display cycle.
    timeBaseFromGenerator = 0;
    // 9.
    rightDivisionValue = 10.0;
    rightRangeGain = 1.0;
    leftDivisionValue = 10.0;
    leftRangeGain = 1.0;
    // 10.
    gridEnabled = 1;
    // 11.
    periodicMode = 1;
    gridBrightness = 75;
    DrawGraticule();
    // 12.
    samplesPerPoint = 6;
    rightTrackDivisor = 16;
    leftTrackDivisor = 16;
    // 13. No time base recorded, so the next cycle applies one afresh.
    leftAppliedRange = VerticalRange::mV100;
    rightAppliedRange = VerticalRange::mV100;
    Edit18->SetText("+mV");
    Edit2->SetText("+mV");
    Edit19->SetText("-mV");
    Edit5->SetText("-mV");
    appliedTimeBase = TimeBaseSetting::None;
    // 14.
    timeBaseAuto = 1;
    ComboBox1->SetItemIndex(8);
    rightRangeAuto = 1;
    ComboBox2->SetItemIndex(0);
    leftRangeAuto = 1;
    ComboBox3->SetItemIndex(0);
    ComboBox4->SetItemIndex(0);
    ComboBox5->SetItemIndex(0);
    ComboBox6->SetItemIndex(0);
    // 15. Read again, not set: closing gives back what is in force now.
    Volumes().waveOutGet(0, &savedWaveOutVolume);
    Volumes().auxGet(3, &savedAuxVolume3);
    Volumes().auxGet(2, &savedAuxVolume2);
    Volumes().auxGet(4, &savedAuxVolume4);
    Volumes().auxGet(1, &savedAuxVolume1);
    Volumes().auxGet(5, &savedAuxVolume5);
    // 16.
    Panel13->SetTop(hc + 235);
    Panel13->SetLeft(0);
    // 17. A move of the position (a forced one too) raises ScrollBar5Change,
    // whose display cycle sees the state set so far.
    ResetFrequencyBar();
    // 18.
    leftFrequency = 40.0;
    rightFrequency = 40.0;
    // 19.
    Panel14->SetVisible(false);
    // 20.
    ComboBox7->SetItemIndex(0);
    ComboBox8->SetItemIndex(1);
    // 21. A move raises ScrollBar4Change; the readout written here uses its
    // own factor and stays until the bar is next moved.
    ResetAmplitudeBar(3000);
    Edit13->SetText(std::to_string(OptimumAmplitudeReadout(gen1Amplitude)));
    // 22. Time base and both frequency readouts follow generator 1.
    timeBaseFromGenerator = 1;
    timeBaseAuto = 1;
    // 23.
    Panel6->SetVisible(false);
    Panel410->SetTop(472);
    // 24. Sweep and automatic generator stop; their panels stay as they are.
    sweptMode = 0;
    autoGenRunning = 0;
    Timer1->SetEnabled(false);
    // 25.
    leftTraceVisible = 1;
    rightTraceVisible = 1;
    // 26.
    ComboBox9->SetItemIndex(0);
    ComboBox10->SetItemIndex(0);
    // 27. Raises RadioButton5Click when another trace choice was checked.
    RadioButton5->SetChecked(true);
    // 28. Usually already playing: both calls refuse and it plays on.
    if (!AudioOut1->StartStream(AudioOut1))
        AudioOut1->StartStream(AudioOut1);
    // 29.
    if (vcl::Application())
        vcl::Application()->OnIdle = [this](vcl::TObject* s, bool& done) { MyIdleEvent(s, done); };
}

} // namespace zvk
