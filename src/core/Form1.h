// The instrument's one window. Its handlers and operations share the plain
// state fields below; each subsystem defines its operations in its own folder
// (display/, measure/, generator/, calibration/, core/, app/).
// Everything here runs on the GUI thread.
#pragma once

#include "core/SharedTypes.h"
#include "platform/ui/Form.h"
#include "platform/ui/Vcl.h"

#include <array>
#include <cstdint>
#include <string>

class TAudioIn;
class TAudioOut;
class TAudioMixer;

namespace zvk {

struct CommandLine;

class TForm1 : public vcl::TForm {
public:
    TForm1();
    ~TForm1() override;

    // ---- Instrument state ------------------------------------------------
    // Sample arrays (sample units).
    std::array<int32, kSampleArrayLength> captureCopy{};
    std::array<int32, kSampleArrayLength> leftSamples{};
    std::array<int32, kSampleArrayLength> rightSamples{};
    std::array<int32, kSampleArrayLength> leftTrack{};
    std::array<int32, kSampleArrayLength> rightTrack{};
    std::array<int32, kSampleArrayLength> leftPreviousTrace{};
    std::array<int32, kSampleArrayLength> rightPreviousTrace{};
    std::array<double, kSquareSumsLength> leftSquareSums{};
    std::array<double, kSquareSumsLength> rightSquareSums{};

    int32 sampleCount = 0;
    uint16 leftSignIndex = 0;
    uint16 rightSignIndex = 0;
    uint16 leftTraceStart = 0;
    uint16 rightTraceStart = 0;
    int32 leftTrackDivisor = 0;
    int32 rightTrackDivisor = 0;
    uint16 leftPeak = 0;
    uint16 rightPeak = 0;
    double leftVoltage = 0.0;
    double rightVoltage = 0.0;
    double leftFrequency = 0.0;
    double rightFrequency = 0.0;
    double leftMeasuredFrequency = 0.0;
    double rightMeasuredFrequency = 0.0;
    uint16 leftSearchStep = 0;
    uint16 rightSearchStep = 0;
    int16 leftSearchSkip = 0;
    int16 rightSearchSkip = 0;
    uint16 leftHalfWaveStart = 0;
    uint16 rightHalfWaveStart = 0;
    uint16 leftHalfWaveEnd = 0;
    uint16 rightHalfWaveEnd = 0;

    // Vertical ranges.
    int32 leftRangeAuto = 0;
    int32 rightRangeAuto = 0;
    VerticalRange leftAppliedRange = VerticalRange::mV1;
    VerticalRange rightAppliedRange = VerticalRange::mV1;
    double leftRangeGain = 0.0;
    double rightRangeGain = 0.0;
    double leftDivisionValue = 0.0;
    double rightDivisionValue = 0.0;
    double leftDisplayFactor = 0.0;
    double rightDisplayFactor = 0.0;
    int32 leftTraceVisible = 0;
    int32 rightTraceVisible = 0;
    int32 periodicMode = 0;

    // Graticule and time base.
    uint16 gridBrightness = 0;
    int32 gridEnabled = 0;
    double gridUnit = 0.0;
    int32 timeBaseAuto = 0;
    int16 timeBaseFromGenerator = 0;
    TimeBaseSetting appliedTimeBase = TimeBaseSetting::None;
    double pixelsPerPoint = 0.0;
    int32 samplesPerPoint = 0;
    // Set by the headless measurement: display cycles compute everything but
    // leave the canvas and the window alone.
    bool displayDrawingOff = false;

    // Generators.
    int32 gen1Frequency = 0;
    int32 gen1Amplitude = 0;
    int32 gen2Frequency = 0;
    int32 gen2Amplitude = 0;
    int32 sweptMode = 0;
    int32 sweptFrequency = 0;
    int32 sweptStepLength = 0;
    int32 sweptStepCounter = 0;
    // The swept fill's last box values that converted, and the last bad text
    // reported, so a typing slip neither stalls playback nor repeats its box.
    int32 sweptValidFrom = 0;
    int32 sweptValidTo = 0;
    int32 sweptHasValid = 0;
    std::string sweptBadText;
    int32 autoFrom = 0;
    int32 autoTo = 0;
    int32 autoStep = 0;
    int32 autoIntervalMs = 0;
    int32 autoStepCount = 0;
    int32 autoTick = 0;
    int32 autoGenRunning = 0;

    // Calibration.
    double leftCalibration = 0.0;
    double rightCalibration = 0.0;

    // Card volumes saved at start-up.
    uint32 savedWaveOutVolume = 0;
    uint32 savedAuxVolume1 = 0;
    uint32 savedAuxVolume2 = 0;
    uint32 savedAuxVolume3 = 0;
    uint32 savedAuxVolume4 = 0;
    uint32 savedAuxVolume5 = 0;

    // ---- Controls (created by the constructor, owned by the window) ---------
    vcl::TComboBox* ComboBox4 = nullptr;
    vcl::TPanel* Panel15 = nullptr;
    vcl::TButton* Button3 = nullptr;
    vcl::TRadioButton* RadioButton4 = nullptr;
    vcl::TRadioButton* RadioButton3 = nullptr;
    vcl::TRadioButton* RadioButton5 = nullptr;
    vcl::TEdit* Edit4 = nullptr;
    vcl::TComboBox* ComboBox9 = nullptr;
    vcl::TEdit* Edit12 = nullptr;
    vcl::TEdit* Edit1 = nullptr;
    vcl::TComboBox* ComboBox10 = nullptr;
    vcl::TEdit* Edit8 = nullptr;
    vcl::TComboBox* ComboBox1 = nullptr;
    vcl::TPanel* Panel10 = nullptr;
    vcl::TButton* Button2 = nullptr;
    vcl::TEdit* Edit18 = nullptr;
    vcl::TEdit* Edit19 = nullptr;
    vcl::TEdit* Edit2 = nullptr;
    vcl::TEdit* Edit5 = nullptr;
    vcl::TPanel* Panel14 = nullptr;
    // Generator 1.
    vcl::TPanel* Panel13 = nullptr;
    vcl::TComboBox* ComboBox7 = nullptr;
    vcl::TEdit* Edit13 = nullptr;
    vcl::TEdit* Edit6 = nullptr;
    vcl::TScrollBar* ScrollBar4 = nullptr;
    vcl::TScrollBar* ScrollBar5 = nullptr;
    vcl::TEdit* Edit14 = nullptr;
    vcl::TEdit* Edit3 = nullptr;
    vcl::TComboBox* ComboBox8 = nullptr;
    // Generator 2.
    vcl::TPanel* Panel410 = nullptr;
    vcl::TComboBox* ComboBox410 = nullptr;
    vcl::TEdit* Edit403 = nullptr;
    vcl::TEdit* Edit10 = nullptr;
    vcl::TScrollBar* ScrollBar403 = nullptr;
    vcl::TScrollBar* ScrollBar406 = nullptr;
    vcl::TEdit* Edit409 = nullptr;
    vcl::TEdit* Edit9 = nullptr;
    vcl::TComboBox* ComboBox411 = nullptr;
    // Swept generator.
    vcl::TPanel* Panel110 = nullptr;
    vcl::TEdit* Edit130 = nullptr;
    vcl::TEdit* Edit106 = nullptr;
    vcl::TEdit* Edit109 = nullptr;
    vcl::TEdit* Edit110 = nullptr;
    vcl::TButton* Button103 = nullptr;
    vcl::TButton* Button104 = nullptr;
    // Automatic generator.
    vcl::TPanel* Panel215 = nullptr;
    vcl::TEdit* Edit225 = nullptr;
    vcl::TEdit* Edit206 = nullptr;
    vcl::TEdit* Edit227 = nullptr;
    vcl::TEdit* Edit216 = nullptr;
    vcl::TEdit* Edit224 = nullptr;
    vcl::TComboBox* ComboBox212 = nullptr;
    vcl::TEdit* Edit223 = nullptr;
    vcl::TEdit* Edit229 = nullptr;
    vcl::TEdit* Edit222 = nullptr;
    vcl::TButton* Button203 = nullptr;
    vcl::TButton* Button204 = nullptr;
    // Never shown.
    vcl::TTrackBar* TrackBar1 = nullptr;
    vcl::TUpDown* UpDown2 = nullptr;
    vcl::TComboBox* ComboBox2 = nullptr;
    vcl::TComboBox* ComboBox3 = nullptr;
    vcl::TComboBox* ComboBox5 = nullptr;
    vcl::TComboBox* ComboBox6 = nullptr;
    vcl::TRadioButton* RadioButton1 = nullptr;
    vcl::TRadioButton* RadioButton2 = nullptr;
    vcl::TRadioButton* RadioButton6 = nullptr;
    vcl::TPanel* Panel1 = nullptr;
    vcl::TPanel* Panel2 = nullptr;
    vcl::TPanel* Panel6 = nullptr;
    vcl::TPanel* Panel3 = nullptr;
    vcl::TEdit* Edit11 = nullptr;
    vcl::TPanel* Panel4 = nullptr;
    vcl::TPanel* Panel7 = nullptr;
    vcl::TScrollBar* ScrollBar2 = nullptr;
    vcl::TPanel* Panel8 = nullptr;
    vcl::TPanel* Panel5 = nullptr;
    vcl::TScrollBar* ScrollBar1 = nullptr;
    vcl::TEdit* Edit7 = nullptr;
    vcl::TPanel* Panel9 = nullptr;
    vcl::TPanel* Panel11 = nullptr;
    vcl::TPanel* Panel12 = nullptr;
    vcl::TButton* Button1 = nullptr;
    // Menu.
    vcl::TMenuItem* spoutn1 = nullptr;
    vcl::TMenuItem* mix1 = nullptr;
    vcl::TMenuItem* volbazobrazen1 = nullptr;
    vcl::TMenuItem* file1 = nullptr;
    vcl::TMenuItem* mickanl1 = nullptr;
    vcl::TMenuItem* volbarozsahu1 = nullptr;
    vcl::TMenuItem* frekvence1 = nullptr;
    vcl::TMenuItem* naptR1 = nullptr;
    vcl::TMenuItem* volbarozsahu2 = nullptr;
    vcl::TMenuItem* frekvence2 = nullptr;
    vcl::TMenuItem* asovzkladna1 = nullptr;
    vcl::TMenuItem* test2 = nullptr;
    vcl::TMenuItem* genertor11 = nullptr;
    vcl::TMenuItem* zobrazit1 = nullptr;
    vcl::TMenuItem* zruit1 = nullptr;
    vcl::TMenuItem* genertor21 = nullptr;
    vcl::TMenuItem* zobrazit2 = nullptr;
    vcl::TMenuItem* zruit2 = nullptr;
    vcl::TMenuItem* automatick1 = nullptr;
    vcl::TMenuItem* zobrazit3 = nullptr;
    vcl::TMenuItem* zruit3 = nullptr;
    vcl::TMenuItem* rozmtan1 = nullptr;
    vcl::TMenuItem* zobrazit4 = nullptr;
    vcl::TMenuItem* zruit4 = nullptr;
    // Components.
    vcl::TTimer* Timer1 = nullptr;
    TAudioOut* AudioOut1 = nullptr;
    TAudioIn* AudioIn1 = nullptr;
    TAudioMixer* AudioMixer1 = nullptr;

    // ---- Core: start-up, idle cycle, shut-down (core/) ---------------------
    void FormCreate(vcl::TObject* Sender);
    void MyIdleEvent(vcl::TObject* Sender, bool& Done);
    void FormResize(vcl::TObject* Sender);
    void FormClose(vcl::TObject* Sender);
    // Window size and place of the running instrument (start-up and optimum).
    void SetInstrumentGeometry();
    // Track bar and unit labels placed from the client height.
    void PlaceScaleLabels();

    // ---- Capture intake and trigger (display/) -----------------------------
    bool AudioIn1BufferFilled(std::uint8_t* Buffer, std::int32_t& Size);
    TriggerChannel ChooseTriggerChannel();
    // Negative search, track filter and trigger search for the channel; sets
    // its trace start.
    void TriggerStep(TriggerChannel channel);

    // ---- Measurements (measure/) -------------------------------------------
    void FindFirstPositiveLeft();
    void FindFirstPositiveRight();
    void FindFirstNegativeLeft();
    void FindFirstNegativeRight();
    void MeasureLeftVoltage();
    void MeasureRightVoltage();
    void MeasureLeftFrequency();
    void MeasureRightFrequency();
    void FindLeftHalfWave();
    void FindRightHalfWave();

    // ---- Display (display/) ------------------------------------------------
    void DisplayCycle();
    void DrawGraticule();
    void SelectLeftRange();
    void SelectRightRange();
    void DrawVerticalScale();
    void SelectTimeBase(TriggerChannel channel);
    void DrawScales();
    void DrawTimeAxisLabels(TimeBaseSetting setting);
    void ApplyRange(TriggerChannel channel, VerticalRange range);
    void ApplyTimeBase(TimeBaseSetting setting);
    void ComboBox9Click(vcl::TObject* Sender);
    void ComboBox10Click(vcl::TObject* Sender);
    void ComboBox2Click(vcl::TObject* Sender);
    void ComboBox3Click(vcl::TObject* Sender);
    void ComboBox5Click(vcl::TObject* Sender);
    void ComboBox6Click(vcl::TObject* Sender);
    void ComboBox1Click(vcl::TObject* Sender);
    void UpDown2Changing(vcl::TObject* Sender, bool& AllowChange);
    void Button3Click(vcl::TObject* Sender);
    void RadioButton5Click(vcl::TObject* Sender);
    void RadioButton3Click(vcl::TObject* Sender);
    void RadioButton4Click(vcl::TObject* Sender);
    void ComboBox4Click(vcl::TObject* Sender);
    void file1Click(vcl::TObject* Sender);
    void TrackBar1Change(vcl::TObject* Sender);
    void Panel6Click(vcl::TObject* Sender);

    // ---- Generators (generator/) -------------------------------------------
    bool AudioOut1FillBuffer(std::uint8_t* Buffer, std::int32_t& Size);
    void AudioOut1Start(vcl::TObject* Sender);
    void ScrollBar4Change(vcl::TObject* Sender);
    void ComboBox7Click(vcl::TObject* Sender);
    void ScrollBar5Change(vcl::TObject* Sender);
    void ComboBox8Click(vcl::TObject* Sender);
    void Edit14DblClick(vcl::TObject* Sender);
    void Edit14Enter(vcl::TObject* Sender);
    void Edit13DblClick(vcl::TObject* Sender);
    void zobrazit1Click(vcl::TObject* Sender);
    void zruit1Click(vcl::TObject* Sender);
    void zobrazit2Click(vcl::TObject* Sender);
    void zruit2Click(vcl::TObject* Sender);
    void ScrollBar406Change(vcl::TObject* Sender);
    void ScrollBar403Change(vcl::TObject* Sender);
    void ComboBox410Change(vcl::TObject* Sender);
    void ComboBox411Click(vcl::TObject* Sender);
    void zobrazit3Click(vcl::TObject* Sender);
    void zruit3Click(vcl::TObject* Sender);
    void Button203Click(vcl::TObject* Sender);
    void Timer1Timer(vcl::TObject* Sender);
    void Button204Click(vcl::TObject* Sender);
    void zobrazit4Click(vcl::TObject* Sender);
    void zruit4Click(vcl::TObject* Sender);
    void Button103Click(vcl::TObject* Sender);
    void Button104Click(vcl::TObject* Sender);
    // Generator 1's bars back to their start-up range, as start-up, the
    // optimum command and showing the panel do; each move raises its handler.
    void ResetFrequencyBar();
    void ResetAmplitudeBar(int32 position);

    // ---- Calibration and optimum (calibration/) ----------------------------
    void Button2Click(vcl::TObject* Sender);
    void ScrollBar1Change(vcl::TObject* Sender);
    void Panel4Click(vcl::TObject* Sender);
    void Button1Click(vcl::TObject* Sender);

    // ---- Menu commands (app/) ----------------------------------------------
    void mix1Click(vcl::TObject* Sender);

private:
    void CreateControls(); // app/Form1Layout.cpp
    void CreateMenu();     // app/Form1Menu.cpp
    void BindEvents();     // app/Form1Events.cpp
};

} // namespace zvk
