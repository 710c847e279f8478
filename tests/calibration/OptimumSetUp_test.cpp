// The "optimum" button on a started window: the set-up it leaves whatever
// came before, the events its own settings raise, the generators it stops and
// the volumes it reads for the close.
#include "CalibrationFixture.h"

#include "audio/AudioIO.h"
#include "core/CardVolumes.h"
#include "measure/HalfWave.h"

#include <functional>
#include <map>

namespace {

using zvk::TForm1;
using zvk::testing::CalibrationTest;
namespace test = zvk::test;

class Optimum : public CalibrationTest {};

struct Expect {
    const char* path;
    QJsonValue value;
};

// What "optimum" leaves, whatever the state before. Fields that the frequency
// bar's display cycle may set again (ranges, time base) are checked apart.
const Expect kOptimumSetUp[] = {
    {"window/client/height", 526},
    {"controls/Edit13/text", "101"},
    {"controls/Edit14/text", " 100"},
    {"controls/ComboBox1/itemIndex", 8},
    {"controls/ComboBox1/text", " generátoru"},
    {"controls/ComboBox2/itemIndex", 0},
    {"controls/ComboBox3/itemIndex", 0},
    {"controls/ComboBox4/itemIndex", 0},
    {"controls/ComboBox5/itemIndex", 0},
    {"controls/ComboBox6/itemIndex", 0},
    {"controls/ComboBox7/itemIndex", 0},
    {"controls/ComboBox8/itemIndex", 1},
    {"controls/ComboBox9/itemIndex", 0},
    {"controls/ComboBox10/itemIndex", 0},
    {"controls/RadioButton5/checked", true},
    {"controls/RadioButton3/checked", false},
    {"controls/RadioButton4/checked", false},
    {"controls/ScrollBar5/min", 100},
    {"controls/ScrollBar5/max", 1000},
    {"controls/ScrollBar5/position", 100},
    {"controls/ScrollBar4/min", 0},
    {"controls/ScrollBar4/max", 32767},
    {"controls/ScrollBar4/position", 3000},
    {"controls/Panel13/top", 498},
    {"controls/Panel13/left", 0},
    {"controls/Panel110/top", 498},
    {"controls/Panel110/left", 388},
    {"controls/Panel410/top", 472},
    {"controls/Panel14/visible", false},
    {"controls/Panel6/visible", false},
    {"controls/Timer1/enabled", false},
    {"controls/TrackBar1/top", 43},
    {"controls/Edit18/top", 37},
    {"controls/Edit2/top", 37},
    {"controls/Edit19/top", 475},
    {"controls/Edit5/top", 475},
    {"state/sampleCount", 16000},
    {"state/leftCalibration", 0.02644596},
    {"state/rightCalibration", 0.035},
    {"state/leftDisplayFactor", 0.042},
    {"state/rightDisplayFactor", 0.0494},
    {"state/gen1Frequency", 100},
    {"state/gen1Amplitude", 3000},
    {"state/gen2Frequency", 0},
    {"state/gen2Amplitude", 0},
    {"state/gridEnabled", 1},
    {"state/gridBrightness", 75},
    {"state/periodicMode", 1},
    {"state/leftFrequency", 40},
    {"state/rightFrequency", 40},
    {"state/timeBaseAuto", 1},
    {"state/timeBaseFromGenerator", 1},
    {"state/leftRangeAuto", 1},
    {"state/rightRangeAuto", 1},
    {"state/leftTraceVisible", 1},
    {"state/rightTraceVisible", 1},
    {"state/sweptMode", 0},
    {"state/autoGenRunning", 0},
};

// Set by "optimum" before the frequency bar moves; a display cycle run by
// that move chooses ranges and time base afresh.
const Expect kScalesWithoutCycle[] = {
    {"state/leftAppliedRange", "100 mV"}, {"state/rightAppliedRange", "100 mV"},
    {"state/leftRangeGain", 1},           {"state/rightRangeGain", 1},
    {"state/leftDivisionValue", 10},      {"state/rightDivisionValue", 10},
    {"state/appliedTimeBase", "none"},    {"state/samplesPerPoint", 6},
    {"state/rightSignIndex", 1},          {"state/leftTrackDivisor", 16},
    {"state/rightTrackDivisor", 16},      {"controls/Edit18/text", "+mV"},
    {"controls/Edit2/text", "+mV"},       {"controls/Edit19/text", "-mV"},
    {"controls/Edit5/text", "-mV"},
};

struct Before {
    const char* name;
    std::function<void(TForm1&)> userActions;
    bool frequencyBarMoves;
    // Panels that keep what the user left.
    std::map<std::string, bool> panelsShown;
    const char* button203Caption;
};

TEST_F(Optimum, LeavesItsSetUpWhateverCameBefore) {
    const Before cases[] = {
        {"right after start-up",
         [](TForm1&) {},
         false,
         {{"Panel13", true}, {"Panel410", false}, {"Panel215", false}, {"Panel110", false}},
         "start"},
        {"ranges, trace choice, single shot and window moved by hand",
         [](TForm1& f) {
             f.ComboBox9->Choose(1);  // 500 mV
             f.ComboBox10->Choose(6); // 10 mV
             f.ComboBox1->Choose(3);  // 20 ms
             f.DisplayCycle();
             f.RadioButton3->Click(); // left trace only
             f.Button3->Click();      // single shot
             f.ComboBox3->SetItemIndex(2);
             f.ComboBox4->Choose(2);
             f.SetTop(120);
             f.SetLeft(40);
             f.ComboBox7->Choose(3);
         },
         false,
         {{"Panel13", true}, {"Panel410", false}, {"Panel215", false}, {"Panel110", false}},
         "start"},
        {"generator 2 playing, generator 1 in the kHz range",
         [](TForm1& f) {
             f.zobrazit2Click(nullptr);
             f.ScrollBar403->UserSetPosition(20000);
             f.ScrollBar406->UserSetPosition(700);
             f.ComboBox8->Choose(2);
             f.ScrollBar4->UserSetPosition(30000);
         },
         true,
         {{"Panel13", true}, {"Panel410", true}, {"Panel215", false}, {"Panel110", false}},
         "start"},
        {"automatic generator stepping",
         [](TForm1& f) {
             f.zobrazit3Click(nullptr);
             f.Edit206->SetText("200");
             f.Edit216->SetText("900");
             f.Edit223->SetText("100");
             f.Edit222->SetText("1");
             f.Button203->Click();
             f.Timer1->Fire();
         },
         true,
         {{"Panel13", true}, {"Panel410", false}, {"Panel215", true}, {"Panel110", false}},
         "stop"},
        {"sweep playing, generator 1 cancelled",
         [](TForm1& f) {
             f.zruit1Click(nullptr);
             f.zobrazit4Click(nullptr);
             f.Button103->Click();
         },
         false,
         {{"Panel13", false}, {"Panel410", false}, {"Panel215", false}, {"Panel110", true}},
         "start"},
    };
    for (const Before& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Feed(test::Sine(441, 12000), test::Square(441, 20000));
        c.userActions(*form);
        const int barBefore = form->ScrollBar5->Position();
        ASSERT_EQ(barBefore != 100, c.frequencyBarMoves);

        form->Button2->Click();
        const QJsonObject dump = zvk::DumpAll(*form);

        for (const Expect& e : kOptimumSetUp)
            EXPECT_EQ(At(dump, e.path), e.value) << e.path;
        if (!c.frequencyBarMoves) {
            for (const Expect& e : kScalesWithoutCycle)
                EXPECT_EQ(At(dump, e.path), e.value) << e.path;
        }
        for (const auto& [panel, shown] : c.panelsShown)
            EXPECT_EQ(At(dump, QString::fromStdString("controls/" + panel + "/visible")), shown)
                << panel;
        EXPECT_EQ(form->Button203->Caption(), c.button203Caption);
        EXPECT_EQ(form->Top(), 0);
        EXPECT_EQ(form->Left(), 0);
        EXPECT_EQ(form->Width(), 800);
        EXPECT_EQ(form->ScrollBar5->LargeChange(), 10);
        EXPECT_EQ(form->ScrollBar5->SmallChange(), 1);
        EXPECT_TRUE(form->AudioOut1->GetDeviceOpen());
        EXPECT_TRUE(static_cast<bool>(vcl::Application()->OnIdle));
        EXPECT_TRUE(reports.empty());

        // A second press writes the same again.
        form->Button2->Click();
        const QJsonObject again = zvk::DumpAll(*form);
        for (const Expect& e : kOptimumSetUp)
            EXPECT_EQ(At(again, e.path), e.value) << "again: " << e.path;
    }
}

// The readouts follow generator 1 from the next cycle on, whatever the input.
TEST_F(Optimum, FrequencyReadoutsFollowGeneratorOne) {
    const struct {
        const char* name;
        test::Wave left, right;
    } inputs[] = {
        {"441 Hz both", test::Sine(441, 12000), test::Sine(441, 12000)},
        {"1 kHz and 5 kHz", test::Square(1000, 30000), test::Sine(5000, 8000)},
        {"silence", test::Silence(), test::Silence()},
        {"noise", test::Noise(20000, 7), test::Noise(300, 8)},
    };
    for (const auto& in : inputs) {
        SCOPED_TRACE(in.name);
        Feed(in.left, in.right);
        form->Button2->Click();
        Cycle();
        EXPECT_EQ(form->Edit12->Text(), "   100Hz");
        EXPECT_EQ(form->Edit8->Text(), "   100Hz");
        EXPECT_EQ(form->ComboBox1->Text(), " generátoru");
        Feed(in.left, in.right);
        Cycle();
        EXPECT_EQ(form->Edit12->Text(), "   100Hz");
        EXPECT_EQ(form->Edit8->Text(), "   100Hz");
    }
}

// The frequency bar's move runs a display cycle inside the command: it
// already measures with the optimum factors, but the readouts still show the
// measured frequency, since they follow generator 1 only from a later step.
TEST_F(Optimum, DisplayCycleOfTheFrequencyBarSeesTheEarlierSteps) {
    Feed(test::Square(441, 32767), test::Silence());
    form->ComboBox8->Choose(2); // bar to 4000
    Cycle();
    ASSERT_EQ(form->Edit4->Text(), "1.54V");

    form->Button2->Click();
    EXPECT_EQ(form->Edit4->Text(), " 613mV");
    // The readout built from the measured frequency, not from generator 1.
    EXPECT_NEAR(form->leftMeasuredFrequency, 441.0, 30.0);
    EXPECT_EQ(form->Edit12->Text(), zvk::FineFrequencyText(form->leftMeasuredFrequency, false));
    Cycle();
    EXPECT_EQ(form->Edit12->Text(), "   100Hz");
}

// Without a move of the bar no cycle runs inside the command: the readouts
// stay as the last cycle left them until the next one.
TEST_F(Optimum, WithoutABarMoveTheReadoutsWaitForTheNextCycle) {
    Feed(test::Square(441, 32767), test::Silence());
    Cycle();
    ASSERT_EQ(form->Edit4->Text(), "1.54V");
    ASSERT_EQ(form->ScrollBar5->Position(), 100);
    form->Button2->Click();
    EXPECT_EQ(form->Edit4->Text(), "1.54V");
    Cycle();
    EXPECT_EQ(form->Edit4->Text(), " 613mV");
}

// Its own readout factor until the amplitude bar is next moved.
TEST_F(Optimum, AmplitudeReadoutUntilTheBarMoves) {
    form->Button2->Click();
    EXPECT_EQ(form->Edit13->Text(), "101");
    form->ScrollBar4->UserSetPosition(3001);
    EXPECT_EQ(form->Edit13->Text(), "171"); // 3001 / 32.767 * 0.78 * 2.4 = 171.46
    // The bar already on 3000: no change event, the same text.
    form->ScrollBar4->UserSetPosition(3000);
    form->Button2->Click();
    EXPECT_EQ(form->Edit13->Text(), "101");
}

TEST_F(Optimum, StopsTheAutomaticGeneratorAndLeavesItsPanel) {
    form->zobrazit3Click(nullptr);
    form->Edit206->SetText("100");
    form->Edit216->SetText("500");
    form->Edit223->SetText("50");
    form->Edit222->SetText("1");
    form->Button203->Click();
    form->Timer1->Fire();
    ASSERT_EQ(form->gen1Frequency, 150);

    form->Button2->Click();
    EXPECT_EQ(form->autoGenRunning, 0);
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_TRUE(form->Panel215->Visible());
    EXPECT_EQ(form->Button203->Caption(), "stop");
    EXPECT_EQ(form->gen1Frequency, 100);

    // With the timer off no further step comes; the next press of the
    // button reading "stop" starts a new run.
    form->Button203->Click();
    EXPECT_EQ(form->autoGenRunning, 1);
    EXPECT_EQ(form->gen1Frequency, 100);
    EXPECT_TRUE(reports.empty());
}

TEST_F(Optimum, EndsASweepAndLeavesItsPanel) {
    form->zobrazit4Click(nullptr);
    form->Button103->Click();
    ASSERT_EQ(form->sweptMode, 1);
    ASSERT_EQ(form->ComboBox1->ItemIndex(), 1);

    form->Button2->Click();
    EXPECT_EQ(form->sweptMode, 0);
    EXPECT_TRUE(form->Panel110->Visible());
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 8);
    EXPECT_EQ(form->timeBaseFromGenerator, 1);
    EXPECT_EQ(form->timeBaseAuto, 1);
}

// Checking "L+R" again runs its click: the screen is wiped.
TEST_F(Optimum, TraceChoiceBackToBothWipesTheScreen) {
    const auto mark = [&] {
        form->Canvas()->Pen.Color = vcl::clWhite;
        form->Canvas()->MoveTo(600, 150);
        form->Canvas()->LineTo(601, 150);
        ASSERT_EQ(form->Canvas()->Pixel(600, 150), vcl::clWhite);
    };
    form->RadioButton4->Click();
    ASSERT_FALSE(form->RadioButton5->Checked());
    mark();
    form->Button2->Click();
    EXPECT_EQ(form->Canvas()->Pixel(600, 150), vcl::clBlack);
    EXPECT_TRUE(form->RadioButton5->Checked());
}

TEST_F(Optimum, StartsPlaybackThatIsNotRunning) {
    form->AudioOut1->StopNow();
    ASSERT_FALSE(form->AudioOut1->GetDeviceOpen());
    form->Button2->Click();
    EXPECT_TRUE(form->AudioOut1->GetDeviceOpen());
}

// A small model of the card's volumes: what is set is read back.
class VolumeModel {
public:
    struct Call {
        char kind; // 'w' wave out, 'a' auxiliary
        bool set;
        std::uint32_t device, volume;
        bool operator==(const Call&) const = default;
    };
    std::map<std::uint32_t, std::uint32_t> waveOut{{0, 0x80004000u}};
    std::map<std::uint32_t, std::uint32_t> aux{
        {1, 0x1111u}, {2, 0x2222u}, {3, 0x3333u}, {4, 0x4444u}, {5, 0x5555u}};
    std::vector<Call> calls;

    void Install() {
        zvk::Volumes().waveOutGet = [this](std::uint32_t d, std::uint32_t* v) {
            *v = waveOut.at(d);
            calls.push_back({'w', false, d, *v});
            return 0u;
        };
        zvk::Volumes().waveOutSet = [this](std::uint32_t d, std::uint32_t v) {
            waveOut.at(d) = v;
            calls.push_back({'w', true, d, v});
            return 0u;
        };
        zvk::Volumes().auxGet = [this](std::uint32_t d, std::uint32_t* v) {
            *v = aux.at(d);
            calls.push_back({'a', false, d, *v});
            return 0u;
        };
        zvk::Volumes().auxSet = [this](std::uint32_t d, std::uint32_t v) {
            aux.at(d) = v;
            calls.push_back({'a', true, d, v});
            return 0u;
        };
    }
};

TEST(OptimumVolumes, CloseRestoresTheVolumesOptimumRead) {
    VolumeModel card;
    card.Install();
    {
        TForm1 form;
        form.FormCreate(nullptr);
        ASSERT_EQ(card.waveOut[0], 0x0000FFFFu);
        // The user turns two volumes in the desktop's mixer meanwhile.
        card.aux[2] = 0x0202u;
        card.waveOut[0] = 0x0000C000u;
        card.calls.clear();

        form.Button2Click(nullptr);
        using Call = VolumeModel::Call;
        const std::vector<Call> reads = {{'w', false, 0, 0x0000C000u}, {'a', false, 3, 0x3333u},
                                         {'a', false, 2, 0x0202u},     {'a', false, 4, 0x4444u},
                                         {'a', false, 1, 0x1111u},     {'a', false, 5, 0x5555u}};
        EXPECT_EQ(card.calls, reads) << "read in order, nothing set";

        card.aux[2] = 0x9999u;
        card.waveOut[0] = 0x12341234u;
        card.calls.clear();
        form.FormClose(nullptr);
        const std::vector<Call> restores = {{'w', true, 0, 0x0000C000u}, {'a', true, 3, 0x3333u},
                                            {'a', true, 2, 0x0202u},     {'a', true, 4, 0x4444u},
                                            {'a', true, 1, 0x1111u},     {'a', true, 5, 0x5555u}};
        EXPECT_EQ(card.calls, restores);
        vcl::Application()->OnIdle = nullptr;
    }
    zvk::ResetVolumes();
}

// On the loopback cable's own wave-out volume: start-up sets the left
// channel full and the right one off; after "optimum" the close keeps that
// instead of giving back the volume found at start-up.
TEST_F(Optimum, CloseAfterOptimumKeepsTheVolumeStartUpSet) {
    TearDown();
    zvk::ResetVolumes();
    ASSERT_EQ(mm::waveOutSetVolume(0, 0x40004000u), 0u);
    SetUp();
    std::uint32_t volume = 0;
    ASSERT_EQ(mm::waveOutGetVolume(0, &volume), 0u);
    ASSERT_EQ(volume, 0x0000FFFFu);
    form->Button2->Click();
    form->FormClose(nullptr);
    ASSERT_EQ(mm::waveOutGetVolume(0, &volume), 0u);
    EXPECT_EQ(volume, 0x0000FFFFu);

    // Without "optimum" the close gives back what start-up found.
    TearDown();
    ASSERT_EQ(mm::waveOutSetVolume(0, 0x40004000u), 0u);
    SetUp();
    form->FormClose(nullptr);
    ASSERT_EQ(mm::waveOutGetVolume(0, &volume), 0u);
    EXPECT_EQ(volume, 0x40004000u);
}

} // namespace
