// Generator 1 and generator 2 panels on a started window.
#include "FormFixture.h"

#include "generator/GeneratorReadouts.h"
#include "generator/ToneSynthesis.h"
#include "platform/ui/Conversions.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using zvk::testing::StartedForm;

class Generator1Panel : public StartedForm {
protected:
    // Puts the frequency bar on the whole 10 Hz .. 20 kHz range.
    void WideFrequencyRange() {
        form->ComboBox8->SetItemIndex(3);
        form->ComboBox8Click(nullptr);
    }
};

TEST_F(Generator1Panel, StartUpState) {
    EXPECT_EQ(form->gen1Amplitude, 9000);
    EXPECT_EQ(form->Edit13->Text(), "514");
    EXPECT_EQ(form->gen1Frequency, 100);
    EXPECT_EQ(form->Edit14->Text(), " 100");
    EXPECT_EQ(form->Edit3->Text(), " Hz");
    EXPECT_FALSE(form->Panel14->Visible());
}

TEST_F(Generator1Panel, AmplitudeBarReadout) {
    struct Case {
        int position;
        const char* readout;
    };
    const Case cases[] = {{9000, "514"}, {32767, "1872"}, {164, "9"}, {0, "0"}, {16842, "962"}};
    for (const Case& c : cases) {
        form->ScrollBar4->SetPosition(c.position == 9000 ? 0 : 9000); // make sure it moves
        form->ScrollBar4->SetPosition(c.position);
        EXPECT_EQ(form->gen1Amplitude, c.position);
        EXPECT_EQ(form->Edit13->Text(), c.readout) << "position " << c.position;
    }
}

TEST_F(Generator1Panel, AmplitudeRanges) {
    struct Case {
        int item, max, position;
        const char* readoutAtMax;
    };
    const Case cases[] = {
        {0, 32767, 16384, "1872"}, {1, 16384, 8192, "936"}, {2, 8200, 4100, "468"},
        {3, 3280, 164, "187"},     {4, 1640, 164, "94"},    {5, 820, 164, "47"},
        {6, 328, 164, "19"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        form->ComboBox7->SetItemIndex(c.item);
        form->ComboBox7Click(nullptr);
        EXPECT_EQ(form->ScrollBar4->Min(), 0);
        EXPECT_EQ(form->ScrollBar4->Max(), c.max);
        EXPECT_EQ(form->ScrollBar4->Position(), c.position);
        EXPECT_EQ(form->gen1Amplitude, c.position);
        EXPECT_EQ(form->Edit13->Text(), vcl::IntToStr(zvk::Gen1AmplitudeReadout(c.position)));
        form->ScrollBar4->SetPosition(c.max);
        EXPECT_EQ(form->Edit13->Text(), c.readoutAtMax);
    }
    // "vypnuto" changes nothing.
    const int before = form->ScrollBar4->Position();
    form->ComboBox7->SetItemIndex(7);
    form->ComboBox7Click(nullptr);
    EXPECT_EQ(form->ScrollBar4->Max(), 328);
    EXPECT_EQ(form->ScrollBar4->Position(), before);
    EXPECT_EQ(form->gen1Amplitude, before);
}

TEST_F(Generator1Panel, FirstRangeRewritesTheReadoutEvenWithoutAMove) {
    form->ComboBox7->SetItemIndex(1);
    form->ComboBox7Click(nullptr); // bar at 8192 of 0..16384
    form->ScrollBar4->SetPosition(16384);
    form->gen1Amplitude = 1;
    form->Edit13->SetText("x");
    form->ComboBox7->SetItemIndex(0);
    form->ComboBox7Click(nullptr); // Max 32767 and Position 16384: no move
    EXPECT_EQ(form->gen1Amplitude, 16384);
    EXPECT_EQ(form->Edit13->Text(), "936");
}

TEST_F(Generator1Panel, FrequencyBarPositions) {
    WideFrequencyRange();
    struct Case {
        int position, frequency;
        const char *text, *unit;
        bool warning;
        int largeChange, smallChange;
    };
    const Case cases[] = {
        {100, 100, " 100", " Hz", false, 10, 1},     {999, 999, " 999", " Hz", false, 10, 1},
        {4000, 4000, " 4.0", "kHz", true, 100, 10},  {12340, 12300, " 12.3", "kHz", true, 100, 10},
        {1050, 1000, " 1.0", "kHz", false, 100, 10}, {2550, 2600, " 2.6", "kHz", true, 100, 10},
        {2549, 2500, " 2.6", "kHz", false, 100, 10}, {20000, 20000, " 20.0", "kHz", true, 100, 10},
        {10, 10, " 10", " Hz", false, 10, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("position " + std::to_string(c.position));
        form->ScrollBar5->SetPosition(c.position);
        EXPECT_EQ(form->gen1Frequency, c.frequency);
        EXPECT_EQ(form->Edit14->Text(), c.text);
        EXPECT_EQ(form->Edit3->Text(), c.unit);
        EXPECT_EQ(form->Panel14->Visible(), c.warning);
        EXPECT_EQ(form->ScrollBar5->LargeChange(), c.largeChange);
        EXPECT_EQ(form->ScrollBar5->SmallChange(), c.smallChange);
    }
}

TEST_F(Generator1Panel, FrequencyRanges) {
    struct Case {
        int item, min, max, position, frequency;
    };
    const Case cases[] = {
        {0, 20, 100, 50, 50},
        {1, 100, 1000, 100, 100},
        {2, 1000, 20000, 4000, 4000},
        {3, 10, 20000, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        form->ComboBox8->SetItemIndex(c.item);
        form->ComboBox8Click(nullptr);
        EXPECT_EQ(form->ScrollBar5->Min(), c.min);
        EXPECT_EQ(form->ScrollBar5->Max(), c.max);
        EXPECT_EQ(form->ScrollBar5->Position(), c.position);
        EXPECT_EQ(form->gen1Frequency, c.frequency);
    }
}

TEST_F(Generator1Panel, KiloHertzRangeFromTheLowestRunsTheChangeTwice) {
    form->ComboBox8->SetItemIndex(0);
    form->ComboBox8Click(nullptr);
    ASSERT_EQ(form->ScrollBar5->Max(), 100);

    std::vector<int> seen;
    auto original = form->ScrollBar5->OnChange;
    ASSERT_TRUE(original);
    form->ScrollBar5->OnChange = [&](vcl::TObject* s) {
        original(s);
        seen.push_back(form->gen1Frequency);
    };
    form->ComboBox8->SetItemIndex(2);
    form->ComboBox8Click(nullptr);
    EXPECT_EQ(seen, (std::vector<int>{1000, 4000}));
    EXPECT_EQ(form->Edit14->Text(), " 4.0");
    EXPECT_TRUE(form->Panel14->Visible());
}

TEST_F(Generator1Panel, TypedFrequency) {
    // Bar at 1000 of 100..1000: 5000 cannot move it, so the typed value stays.
    form->ScrollBar5->SetPosition(1000);
    const std::string unit = form->Edit3->Text();
    const bool warning = form->Panel14->Visible();
    form->Edit14->SetText("5000");
    form->Edit14DblClick(nullptr);
    EXPECT_EQ(form->gen1Frequency, 5000);
    EXPECT_EQ(form->ScrollBar5->Position(), 1000);
    EXPECT_EQ(form->Edit3->Text(), unit);
    EXPECT_EQ(form->Panel14->Visible(), warning);

    struct Case {
        const char* text;
        int frequency, position;
    };
    const Case cases[] = {
        {" 100", 100, 100}, // the readout's own text
        {"500", 500, 500},  // a move reruns the change handler
        {"5", 100, 100},    // clamped to Min: the handler sets the position's value
        {"2147483647", 1000, 1000},
        {"-2147483648", 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        form->Edit14->SetText(c.text);
        form->Edit14DblClick(nullptr);
        EXPECT_EQ(form->gen1Frequency, c.frequency);
        EXPECT_EQ(form->ScrollBar5->Position(), c.position);
    }
}

TEST_F(Generator1Panel, BadTypedTextChangesNothing) {
    form->ScrollBar5->SetPosition(300);
    form->ScrollBar4->SetPosition(5000);
    const char* texts[] = {" 1.0", "12.5", "", "abc", "99999999999"};
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        form->Edit14->SetText(t);
        EXPECT_THROW(form->Edit14DblClick(nullptr), vcl::EConvertError);
        form->Edit13->SetText(t);
        EXPECT_THROW(form->Edit13DblClick(nullptr), vcl::EConvertError);
        EXPECT_EQ(form->gen1Frequency, 300);
        EXPECT_EQ(form->ScrollBar5->Position(), 300);
        EXPECT_EQ(form->gen1Amplitude, 5000);
        EXPECT_EQ(form->ScrollBar4->Position(), 5000);
    }
    form->Edit14->SetText(" 4.0");
    try {
        form->Edit14DblClick(nullptr);
        ADD_FAILURE() << "a kHz readout was taken as whole hertz";
    } catch (const vcl::EConvertError& e) {
        EXPECT_STREQ(e.what(), "' 4.0' is not a valid integer value");
    }
}

TEST_F(Generator1Panel, TypedAmplitude) {
    struct Case {
        int barBefore;
        const char* text;
        int amplitude, position;
        const char* readout;
    };
    const Case cases[] = {
        {9000, "514", 16842, 16842, "962"},
        {9000, "1000", 32767, 32767, "1872"},
        // Beyond the bar: clamped; the computed value stays only at Max already.
        {9000, "2000", 32767, 32767, "1872"},
        {32767, "2000", 65534, 32767, "2000"},
        {32767, "2147483647", std::numeric_limits<std::int32_t>::max(), 32767, "2147483647"},
        {0, "-5", -164, 0, "-5"},
        {100, "-2147483648", 0, 0, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        form->ScrollBar4->SetPosition(c.barBefore);
        form->Edit13->SetText(c.text);
        form->Edit13DblClick(nullptr);
        EXPECT_EQ(form->gen1Amplitude, c.amplitude);
        EXPECT_EQ(form->ScrollBar4->Position(), c.position);
        EXPECT_EQ(form->Edit13->Text(), c.readout);
    }
    // A huge amplitude left in force still plays clipped samples, never wrapped ones.
    std::vector<std::uint8_t> buffer(44100);
    std::int32_t size = 44100;
    form->gen1Amplitude = std::numeric_limits<std::int32_t>::max();
    form->AudioOut1FillBuffer(buffer.data(), size);
    std::int16_t crest = 0;
    std::memcpy(&crest, buffer.data() + 2 * 110, 2);
    EXPECT_EQ(crest, 32767);
}

TEST_F(Generator1Panel, MenuShowAndCancel) {
    WideFrequencyRange();
    form->ScrollBar5->SetPosition(4000);
    form->ScrollBar4->SetPosition(20000);
    form->zruit1Click(nullptr);
    EXPECT_FALSE(form->Panel13->Visible());
    EXPECT_EQ(form->gen1Amplitude, 0);
    EXPECT_EQ(form->gen1Frequency, 4000);
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
    EXPECT_EQ(form->timeBaseAuto, 1);
    EXPECT_EQ(form->timeBaseFromGenerator, 0);

    form->leftFrequency = 1.0;
    form->rightFrequency = 2.0;
    form->ComboBox7->SetItemIndex(3);
    form->zobrazit1Click(nullptr);
    EXPECT_TRUE(form->Panel13->Visible());
    EXPECT_EQ(form->ScrollBar5->Min(), 100);
    EXPECT_EQ(form->ScrollBar5->Max(), 1000);
    EXPECT_EQ(form->ScrollBar5->Position(), 100);
    EXPECT_EQ(form->gen1Frequency, 100);
    EXPECT_EQ(form->Edit14->Text(), " 100");
    EXPECT_EQ(form->ScrollBar5->LargeChange(), 10);
    EXPECT_EQ(form->ScrollBar5->SmallChange(), 1);
    EXPECT_EQ(form->leftFrequency, 40.0);
    EXPECT_EQ(form->rightFrequency, 40.0);
    EXPECT_FALSE(form->Panel14->Visible());
    EXPECT_EQ(form->ComboBox7->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBox8->ItemIndex(), 1);
    EXPECT_EQ(form->ScrollBar4->Max(), 32767);
    EXPECT_EQ(form->ScrollBar4->Position(), 3000);
    EXPECT_EQ(form->gen1Amplitude, 3000);
    EXPECT_EQ(form->Edit13->Text(), "171");
}

class Generator2Panel : public StartedForm {};

TEST_F(Generator2Panel, ShowSwitchesItOnFromTheBars) {
    EXPECT_FALSE(form->Panel410->Visible());
    EXPECT_EQ(form->gen2Amplitude, 0);
    EXPECT_EQ(form->gen2Frequency, 0);
    form->Panel110->SetVisible(true);
    form->zobrazit2Click(nullptr);
    EXPECT_TRUE(form->Panel410->Visible());
    EXPECT_FALSE(form->Panel110->Visible());
    EXPECT_FALSE(form->Panel215->Visible());
    EXPECT_FALSE(form->Panel215->Enabled());
    EXPECT_EQ(form->gen2Frequency, 500);
    EXPECT_EQ(form->gen2Amplitude, 1000);
    EXPECT_EQ(form->Edit409->Text(), "500");
    EXPECT_EQ(form->Edit403->Text(), "34");

    form->zruit2Click(nullptr);
    EXPECT_FALSE(form->Panel410->Visible());
    EXPECT_TRUE(form->Panel215->Enabled());
    EXPECT_EQ(form->gen2Frequency, 0);
    EXPECT_EQ(form->gen2Amplitude, 0);
}

TEST_F(Generator2Panel, BarsAndReadouts) {
    form->zobrazit2Click(nullptr);
    struct Case {
        int amplitude;
        const char* readout;
    };
    const Case amplitudes[] = {{32767, "1100"}, {164, "6"}, {1000, "34"}, {0, "0"}};
    for (const Case& c : amplitudes) {
        form->ScrollBar403->SetPosition(c.amplitude);
        EXPECT_EQ(form->gen2Amplitude, c.amplitude);
        EXPECT_EQ(form->Edit403->Text(), c.readout);
    }
    form->ComboBox411->SetItemIndex(2);
    form->ComboBox411Click(nullptr);
    EXPECT_EQ(form->ScrollBar406->Min(), 1000);
    EXPECT_EQ(form->ScrollBar406->Max(), 20000);
    EXPECT_EQ(form->gen2Frequency, 4000);
    form->ScrollBar406->SetPosition(12345);
    EXPECT_EQ(form->gen2Frequency, 12345);
    EXPECT_EQ(form->Edit409->Text(), "12345");
    EXPECT_EQ(form->Edit9->Text(), " Hz");
}

TEST_F(Generator2Panel, AmplitudeRanges) {
    form->zobrazit2Click(nullptr);
    struct Case {
        int item, max, position;
        const char* readoutAtMax;
    };
    const Case cases[] = {
        {0, 32767, 16384, "1100"}, {1, 16384, 8192, "550"}, {2, 8200, 4100, "275"},
        {3, 3280, 164, "110"},     {4, 1640, 164, "55"},    {5, 820, 164, "28"},
        {6, 328, 164, "11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        form->ComboBox410->SetItemIndex(c.item);
        form->ComboBox410Change(nullptr);
        EXPECT_EQ(form->ScrollBar403->Max(), c.max);
        EXPECT_EQ(form->ScrollBar403->Position(), c.position);
        EXPECT_EQ(form->gen2Amplitude, c.position);
        form->ScrollBar403->SetPosition(c.max);
        EXPECT_EQ(form->Edit403->Text(), c.readoutAtMax);
    }
    for (int item : {7, 8}) {
        form->ScrollBar403->SetPosition(200);
        form->ComboBox410->SetItemIndex(item);
        form->ComboBox410Change(nullptr);
        EXPECT_EQ(form->ScrollBar403->Max(), 328);
        EXPECT_EQ(form->ScrollBar403->Position(), 200);
        EXPECT_EQ(form->gen2Amplitude, 200);
    }
}

TEST_F(Generator2Panel, FrequencyRangesAndCancelItem) {
    form->zobrazit2Click(nullptr);
    struct Case {
        int item, min, max, position;
    };
    const Case cases[] = {
        {0, 20, 100, 50}, {1, 100, 1000, 100}, {2, 1000, 20000, 4000}, {3, 10, 20000, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        form->ComboBox411->SetItemIndex(c.item);
        form->ComboBox411Click(nullptr);
        EXPECT_EQ(form->ScrollBar406->Min(), c.min);
        EXPECT_EQ(form->ScrollBar406->Max(), c.max);
        EXPECT_EQ(form->ScrollBar406->Position(), c.position);
        EXPECT_EQ(form->gen2Frequency, c.position);
    }
    form->ScrollBar403->SetPosition(2000);
    form->ComboBox411->SetItemIndex(4);
    form->ComboBox411Click(nullptr);
    EXPECT_FALSE(form->Panel410->Visible());
    EXPECT_EQ(form->gen2Amplitude, 0);
    EXPECT_EQ(form->gen2Frequency, 0);
    // Showing again restores both from the bars, which were kept.
    form->zobrazit2Click(nullptr);
    EXPECT_EQ(form->gen2Frequency, 100);
    EXPECT_EQ(form->gen2Amplitude, 2000);
}

TEST_F(Generator2Panel, AddsItsToneToGeneratorOne) {
    form->zobrazit2Click(nullptr);
    std::vector<std::uint8_t> buffer(44100);
    std::int32_t size = 44100;
    ASSERT_TRUE(form->AudioOut1FillBuffer(buffer.data(), size));
    std::vector<std::int16_t> both(22050), alone(22050);
    std::memcpy(both.data(), buffer.data(), 44100);
    zvk::FillTwoTone(alone.data(), 22050, 44100, 100, 9000, 0, 0);
    std::vector<std::int16_t> second(22050);
    zvk::FillTwoTone(second.data(), 22050, 44100, 500, 1000, 0, 0);
    for (int n = 0; n < 22050; ++n)
        ASSERT_EQ(both[n], alone[n] + second[n]) << "sample " << n;
}

} // namespace
