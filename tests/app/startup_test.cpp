// Start-up values of the window and the instrument state, read through the
// same dump that --dump-state writes.
#include "core/CardVolumes.h"
#include "core/Form1.h"
#include "core/StateDump.h"
#include "platform/mm/MMSystem.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using zvk::TForm1;

class StartUp : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string message;
        mm::SelectBackend("loopback", message);
    }
    void SetUp() override {
        form = std::make_unique<TForm1>();
        form->FormCreate(nullptr);
        dump = zvk::DumpAll(*form);
    }
    void TearDown() override {
        vcl::Application()->OnIdle = nullptr;
        form.reset();
    }
    QJsonValue At(const QString& path) const {
        QJsonValue v = dump;
        for (const QString& key : path.split('/'))
            v = v.toObject().value(key);
        return v;
    }
    std::unique_ptr<TForm1> form;
    QJsonObject dump;
};

struct Expect {
    const char* path;
    QJsonValue value;
};

// Ranges and time base are left out: the display cycle that the frequency
// bar's change runs during start-up already sets them from the (silent) input.
TEST_F(StartUp, WindowControlsAndStateHoldTheirStartUpValues) {
    const Expect table[] = {
        {"window/caption", "dvoukanálový osciloskop pro  SB AUDIGY  ( do 1V ef ) -levý kanál "
                           "(žlutý) od 1mV -pravý kanál (modrý) od 10 mV  2004  RUX "},
        {"window/client/width", 794},
        {"window/client/height", 526},
        {"controls/Edit13/text", "514"},
        {"controls/Edit14/text", " 100"},
        {"controls/Button3/caption", "jednorázové"},
        {"controls/ComboBox1/itemIndex", 0},
        {"controls/ComboBox4/itemIndex", 0},
        {"controls/ComboBox7/itemIndex", 0},
        {"controls/ComboBox8/itemIndex", 1},
        {"controls/ComboBox9/itemIndex", 0},
        {"controls/ComboBox10/itemIndex", 0},
        {"controls/ComboBox2/itemIndex", 0},
        {"controls/ComboBox3/itemIndex", 0},
        {"controls/ComboBox5/itemIndex", 0},
        {"controls/ComboBox6/itemIndex", 0},
        {"controls/RadioButton5/checked", true},
        {"controls/ScrollBar5/min", 100},
        {"controls/ScrollBar5/max", 1000},
        {"controls/ScrollBar5/position", 100},
        {"controls/ScrollBar4/min", 0},
        {"controls/ScrollBar4/max", 32767},
        {"controls/ScrollBar4/position", 9000},
        {"controls/Panel13/top", 498},
        {"controls/Panel13/left", 0},
        {"controls/Panel410/top", 472},
        {"controls/Panel410/visible", false},
        {"controls/Panel110/left", 388},
        {"controls/Panel110/top", 498},
        {"controls/Panel110/visible", false},
        {"controls/Panel215/visible", false},
        {"controls/Panel14/visible", false},
        {"controls/Panel6/visible", false},
        {"controls/Panel2/visible", false},
        {"controls/Timer1/enabled", false},
        {"controls/TrackBar1/top", 43},
        {"controls/Edit18/top", 37},
        {"controls/Edit2/top", 37},
        {"controls/Edit19/top", 475},
        {"controls/Edit5/top", 475},
        {"controls/Edit18/text", "+mV"},
        {"controls/Edit19/text", "-mV"},
        {"controls/Edit2/text", "+mV"},
        {"controls/Edit5/text", "-mV"},
        {"controls/AudioIn1/kind", "TAudioIn"},
        {"controls/AudioOut1/kind", "TAudioOut"},
        {"controls/AudioMixer1/kind", "TAudioMixer"},
        {"controls/mix1/caption", "mix. pult "},
        {"controls/asovzkladna1/caption", "časová &osa"},
        {"state/sampleCount", 16000},
        {"state/gen1Amplitude", 9000},
        {"state/gen1Frequency", 100},
        {"state/rightSignIndex", 1},
        {"state/leftFrequency", 40},
        {"state/rightFrequency", 40},
        {"state/leftCalibration", 0.066465},
        {"state/rightCalibration", 0.066424},
        {"state/leftDisplayFactor", 0.089},
        {"state/rightDisplayFactor", 0.089},
        {"state/leftTrackDivisor", 16},
        {"state/rightTrackDivisor", 16},
        {"state/gridEnabled", 1},
        {"state/gridBrightness", 75},
        {"state/periodicMode", 1},
        {"state/timeBaseAuto", 1},
        {"state/timeBaseFromGenerator", 0},
        {"state/leftRangeAuto", 1},
        {"state/rightRangeAuto", 1},
        {"state/leftTraceVisible", 1},
        {"state/rightTraceVisible", 1},
        {"state/sweptMode", 0},
        {"state/autoGenRunning", 0},
        {"state/gen2Frequency", 0},
        {"state/gen2Amplitude", 0},
    };
    for (const Expect& e : table)
        EXPECT_EQ(At(e.path), e.value) << e.path;
}

TEST_F(StartUp, EveryComponentOfTheWindowIsInTheDump) {
    const char* names[] = {
        "ComboBox4",     "Panel15",     "Button3",       "RadioButton4", "RadioButton3",
        "RadioButton5",  "Edit4",       "ComboBox9",     "Edit12",       "Edit1",
        "ComboBox10",    "Edit8",       "ComboBox1",     "Panel10",      "Button2",
        "Edit18",        "Edit19",      "Edit2",         "Edit5",        "Panel14",
        "Panel13",       "ComboBox7",   "Edit13",        "Edit6",        "ScrollBar4",
        "ScrollBar5",    "Edit14",      "Edit3",         "ComboBox8",    "Panel410",
        "ComboBox410",   "Edit403",     "Edit10",        "ScrollBar403", "ScrollBar406",
        "Edit409",       "Edit9",       "ComboBox411",   "Panel110",     "Edit130",
        "Edit106",       "Edit109",     "Edit110",       "Button103",    "Button104",
        "Panel215",      "Edit225",     "Edit206",       "Edit227",      "Edit216",
        "Edit224",       "ComboBox212", "Edit223",       "Edit229",      "Edit222",
        "Button203",     "Button204",   "TrackBar1",     "UpDown2",      "ComboBox2",
        "ComboBox3",     "ComboBox5",   "ComboBox6",     "RadioButton1", "RadioButton2",
        "RadioButton6",  "Panel1",      "Panel2",        "Panel6",       "Panel3",
        "Edit11",        "Panel4",      "Panel7",        "ScrollBar2",   "Panel8",
        "Panel5",        "ScrollBar1",  "Edit7",         "Panel9",       "Panel11",
        "Panel12",       "Button1",     "spoutn1",       "mix1",         "volbazobrazen1",
        "file1",         "mickanl1",    "volbarozsahu1", "frekvence1",   "naptR1",
        "volbarozsahu2", "frekvence2",  "asovzkladna1",  "test2",        "genertor11",
        "zobrazit1",     "zruit1",      "genertor21",    "zobrazit2",    "zruit2",
        "automatick1",   "zobrazit3",   "zruit3",        "rozmtan1",     "zobrazit4",
        "zruit4",        "Timer1",      "AudioOut1",     "AudioIn1",     "AudioMixer1"};
    const QJsonObject controls = dump.value("controls").toObject();
    for (const char* n : names)
        EXPECT_TRUE(controls.contains(n)) << n;
    EXPECT_EQ(static_cast<std::size_t>(controls.size()), std::size(names));
}

TEST_F(StartUp, EscClicksTheCancelButton) {
    int clicks = 0;
    form->Button3->OnClick = [&](vcl::TObject*) { ++clicks; };
    form->Show();
    form->Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Window()));
    QTest::keyClick(form->Window(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
}

// Closing gives the volumes back: wave output first, then auxiliary 3, 2, 4, 1, 5.
TEST(ShutDown, RestoresTheSavedVolumesInOrder) {
    struct Call {
        char kind;
        std::uint32_t device, volume;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> sets;
    zvk::Volumes().waveOutGet = [](std::uint32_t, std::uint32_t* v) {
        *v = 0x12345678u;
        return 0u;
    };
    zvk::Volumes().auxGet = [](std::uint32_t d, std::uint32_t* v) {
        *v = 0x100u * d;
        return 0u;
    };
    zvk::Volumes().waveOutSet = [&](std::uint32_t d, std::uint32_t v) {
        sets.push_back({'w', d, v});
        return 0u;
    };
    zvk::Volumes().auxSet = [&](std::uint32_t d, std::uint32_t v) {
        sets.push_back({'a', d, v});
        return 0u;
    };
    {
        TForm1 form;
        form.FormCreate(nullptr);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], (Call{'w', 0, 0x0000FFFFu})) << "left full, right off";
        sets.clear();
        form.FormClose(nullptr);
        vcl::Application()->OnIdle = nullptr;
    }
    zvk::ResetVolumes();
    const std::vector<Call> expected = {{'w', 0, 0x12345678u}, {'a', 3, 0x300u}, {'a', 2, 0x200u},
                                        {'a', 4, 0x400u},      {'a', 1, 0x100u}, {'a', 5, 0x500u}};
    EXPECT_EQ(sets, expected);
}

} // namespace
