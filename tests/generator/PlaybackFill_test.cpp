// The window's playback fill and the swept generator's panel.
#include "FormFixture.h"

#include "audio/AudioIO.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using zvk::testing::StartedForm;

constexpr std::int32_t kBufferBytes = 44100;

struct Filled {
    bool result = false;
    std::int32_t size = 0;
    std::vector<std::int16_t> samples;
};

class PlaybackFill : public StartedForm {
protected:
    Filled Fill() {
        std::vector<std::uint8_t> buffer(kBufferBytes, 0xAB);
        Filled f;
        f.size = kBufferBytes;
        f.result = form->AudioOut1FillBuffer(buffer.data(), f.size);
        f.samples.resize(static_cast<std::size_t>(kBufferBytes / 2));
        std::memcpy(f.samples.data(), buffer.data(), kBufferBytes);
        return f;
    }
    void Swept(const char* from, const char* to) {
        form->sweptMode = 1;
        form->Edit106->SetText(from);
        form->Edit110->SetText(to);
    }
};

std::int16_t SweptReference(std::int32_t n, std::int32_t factor, std::int32_t amplitude) {
    const long double th = static_cast<long double>(n) / 44100 * 3.14159L * 2 * factor;
    return static_cast<std::int16_t>(std::nearbyint(std::sin(th) * amplitude));
}

TEST_F(PlaybackFill, StartUpPlaysGeneratorOneAt100Hz) {
    ASSERT_EQ(form->AudioOut1->FrameRate(), 44100);
    const Filled f = Fill();
    EXPECT_TRUE(f.result);
    EXPECT_EQ(f.size, 44100);
    const std::int16_t first[] = {0, 128, 256, 385, 513, 641};
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(f.samples[n], first[n]) << "sample " << n;
    EXPECT_EQ(f.samples[11025], -1);
    EXPECT_EQ(f.samples[22049], -131);
}

TEST_F(PlaybackFill, TwoFullScaleTonesSaturate) {
    form->gen1Frequency = 1000;
    form->gen1Amplitude = 32767;
    form->gen2Frequency = 1000;
    form->gen2Amplitude = 32767;
    const Filled f = Fill();
    EXPECT_EQ(f.samples[11], 32767);
}

TEST_F(PlaybackFill, SweptModeWritesShortBuffersFromTheBoxes) {
    struct Case {
        const char *from, *to;
        std::int32_t startFactor, stepLength;
    };
    const Case cases[] = {
        {"100", "500", 20, 20}, {"2", "10", 1, 1},       {"12", "62", 2, 2},
        {"12", "63", 2, 3},     {" 100", "500", 20, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " / " + c.to);
        Swept(c.from, c.to);
        const Filled f = Fill();
        EXPECT_TRUE(f.result);
        EXPECT_EQ(f.size, 10000);
        for (std::int32_t n = 0; n < 5000; ++n)
            ASSERT_EQ(f.samples[n], SweptReference(n, c.startFactor + n / c.stepLength, 9000))
                << "sample " << n;
        // Past the written part the buffer is left alone.
        EXPECT_EQ(static_cast<std::uint16_t>(f.samples[5000]), 0xABAB);
        EXPECT_EQ(form->sweptStepLength, c.stepLength);
        EXPECT_EQ(form->sweptFrequency, c.startFactor + 5000 / c.stepLength);
        EXPECT_EQ(form->sweptStepCounter, 5000 % c.stepLength);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(PlaybackFill, SweptInitialTextsGiveTheReferenceSamples) {
    Swept("100", "500");
    const Filled f = Fill();
    const std::int16_t first[] = {0, 26, 51, 77};
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(f.samples[n], first[n]) << "sample " << n;
    EXPECT_EQ(f.samples[4999], SweptReference(4999, 269, 9000));
    EXPECT_EQ(form->sweptFrequency, 270);
}

TEST_F(PlaybackFill, EmptySweptBoxesReadAsOne) {
    Swept("", "");
    const Filled f = Fill();
    EXPECT_EQ(form->Edit106->Text(), "1");
    EXPECT_EQ(form->Edit110->Text(), "1");
    EXPECT_EQ(form->sweptStepLength, 1);
    EXPECT_EQ(f.samples[1], SweptReference(1, 2, 9000));
    EXPECT_EQ(form->sweptFrequency, 5001);
}

TEST_F(PlaybackFill, BadSweptTextKeepsPlayingAndIsReportedOncePerSlip) {
    // Never valid yet: silence, still a played buffer.
    Swept("12.5", "500");
    Filled f = Fill();
    EXPECT_TRUE(f.result);
    EXPECT_EQ(f.size, 10000);
    for (std::int32_t n = 0; n < 5000; ++n)
        ASSERT_EQ(f.samples[n], 0) << "sample " << n;
    f = Fill();
    Flush();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "'12.5' is not a valid integer value");

    // Valid values, then a slip in the other box: the last valid sweep goes on.
    Swept("100", "500");
    const Filled good = Fill();
    Swept("100", "5o0");
    for (int i = 0; i < 3; ++i) {
        f = Fill();
        EXPECT_TRUE(f.result);
        EXPECT_EQ(f.size, 10000);
        EXPECT_EQ(f.samples, good.samples);
    }
    Flush();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], "'5o0' is not a valid integer value");

    // A different slip is reported; the same one again after a valid fill too.
    Swept("1x", "500");
    Fill();
    Swept("100", "500");
    Fill();
    Swept("1x", "500");
    Fill();
    Flush();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[2], "'1x' is not a valid integer value");
    EXPECT_EQ(reports[3], "'1x' is not a valid integer value");
}

TEST_F(PlaybackFill, SweptModeIgnoresGeneratorTwoAndFollowsAmplitude) {
    Swept("100", "500");
    const Filled plain = Fill();
    form->gen2Frequency = 700;
    form->gen2Amplitude = 5000;
    form->gen1Frequency = 4000;
    EXPECT_EQ(Fill().samples, plain.samples);
    form->gen1Amplitude = 0;
    const Filled silent = Fill();
    for (std::int32_t n = 0; n < 5000; ++n)
        ASSERT_EQ(silent.samples[n], 0);
}

TEST_F(PlaybackFill, SweptPanelEntersAndLeavesTheSweep) {
    form->zobrazit4Click(nullptr);
    EXPECT_TRUE(form->Panel110->Visible());
    EXPECT_FALSE(form->Panel215->Visible());
    EXPECT_FALSE(form->Panel215->Enabled());
    EXPECT_EQ(form->gen2Amplitude, 0);
    EXPECT_EQ(form->gen2Frequency, 0);

    form->Button103Click(nullptr);
    EXPECT_EQ(form->sweptMode, 1);
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 1);
    EXPECT_EQ(form->timeBaseAuto, 0);
    EXPECT_EQ(form->timeBaseFromGenerator, 0);
    EXPECT_EQ(Fill().size, 10000);

    // Hiding the panel or showing generator 2 keeps the sweep.
    form->zruit4Click(nullptr);
    EXPECT_FALSE(form->Panel110->Visible());
    EXPECT_TRUE(form->Panel215->Enabled());
    form->zobrazit2Click(nullptr);
    EXPECT_EQ(form->sweptMode, 1);
    EXPECT_EQ(Fill().size, 10000);

    form->Button104Click(nullptr);
    EXPECT_EQ(form->sweptMode, 0);
    EXPECT_FALSE(form->Panel110->Visible());
    EXPECT_EQ(Fill().size, 44100);
}

TEST_F(PlaybackFill, OtherRoutesOutOfTheSweep) {
    struct Case {
        const char* name;
        void (zvk::TForm1::*handler)(vcl::TObject*);
    };
    const Case cases[] = {
        {"automatic generator shown", &zvk::TForm1::zobrazit3Click},
        {"automatic generator cancelled", &zvk::TForm1::Button204Click},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->Button103Click(nullptr);
        ASSERT_EQ(form->sweptMode, 1);
        (form.get()->*c.handler)(nullptr);
        EXPECT_EQ(form->sweptMode, 0);
    }
}

} // namespace
