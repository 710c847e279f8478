// Start-up: the state and the controls get their start-up values, the card's
// volumes are saved and set, playback starts and the idle cycle is installed.
#include "core/Form1.h"

#include "audio/AudioIO.h"
#include "calibration/CalibrationSets.h"
#include "core/CardVolumes.h"

#include <cmath>

namespace zvk {

void TForm1::FormCreate(vcl::TObject* /*Sender*/) {
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
    ApplyStartUpCalibration(*this);
    // 7.
    gen2Frequency = 0;
    gen2Amplitude = 0;
    // 8.
    ComboBox9->SetItemIndex(0);
    ComboBox10->SetItemIndex(0);
    RadioButton5->SetChecked(true);
    // 9.
    timeBaseFromGenerator = 0;
    // 10.
    rightDivisionValue = 10.0;
    rightRangeGain = 1.0;
    leftDivisionValue = 10.0;
    leftRangeGain = 1.0;
    // 11.
    gridEnabled = 1;
    periodicMode = 1;
    gridBrightness = 75;
    DrawGraticule();
    // 12.
    samplesPerPoint = 6;
    rightTrackDivisor = 16;
    leftTrackDivisor = 16;
    // 13.
    leftAppliedRange = VerticalRange::mV100;
    rightAppliedRange = VerticalRange::mV100;
    Edit18->SetText("+mV");
    Edit2->SetText("+mV");
    Edit19->SetText("-mV");
    Edit5->SetText("-mV");
    appliedTimeBase = TimeBaseSetting::None;
    // 14.
    ComboBox1->SetItemIndex(0);
    timeBaseFromGenerator = 0;
    rightRangeAuto = 1;
    timeBaseAuto = 1;
    ComboBox2->SetItemIndex(0);
    leftRangeAuto = 1;
    ComboBox3->SetItemIndex(0);
    ComboBox4->SetItemIndex(0);
    ComboBox5->SetItemIndex(0);
    ComboBox6->SetItemIndex(0);
    // 15. No result is examined: a missing device leaves the saved value 0.
    Volumes().waveOutGet(0, &savedWaveOutVolume);
    Volumes().auxGet(3, &savedAuxVolume3);
    Volumes().auxGet(2, &savedAuxVolume2);
    Volumes().auxGet(4, &savedAuxVolume4);
    Volumes().auxGet(1, &savedAuxVolume1);
    Volumes().auxGet(5, &savedAuxVolume5);
    Volumes().waveOutSet(0, 0x0000FFFFu);
    // 16.
    Panel13->SetTop(hc + 235);
    Panel13->SetLeft(0);
    // 17. Moving the position to the new Min raises ScrollBar5Change.
    ResetFrequencyBar();
    // 18.
    leftFrequency = 40.0;
    rightFrequency = 40.0;
    // 19.
    Panel14->SetVisible(false);
    // 20.
    ComboBox7->SetItemIndex(0);
    ComboBox8->SetItemIndex(1);
    // 21. Raises ScrollBar4Change.
    ResetAmplitudeBar(9000);
    const long double readout = static_cast<long double>(gen1Amplitude) / 32.767L * 0.78L * 2.4L;
    Edit13->SetText(std::to_string(static_cast<long long>(std::nearbyint(readout))));
    // 22.
    timeBaseFromGenerator = 0;
    timeBaseAuto = 1;
    // 23.
    Panel6->SetVisible(false);
    Panel410->SetTop(472);
    // 24.
    sweptMode = 0;
    autoGenRunning = 0;
    Timer1->SetEnabled(false);
    // 25.
    leftTraceVisible = 1;
    rightTraceVisible = 1;
    // 26.
    if (!AudioOut1->StartStream(AudioOut1))
        AudioOut1->StartStream(AudioOut1);
    // 27.
    if (vcl::Application())
        vcl::Application()->OnIdle = [this](vcl::TObject* s, bool& done) { MyIdleEvent(s, done); };
}

} // namespace zvk
