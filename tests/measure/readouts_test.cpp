// The measurements as the window runs them: intake, the four measurements in
// the single-shot order, the readout boxes, the trigger step.
#include "core/Form1.h"
#include "display/Trigger.h"
#include "measure/RangeGain.h"
#include "measure/SyntheticSignals.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace zvk {
namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        form->FormCreate(nullptr);
    }

    void Feed(std::vector<std::uint8_t> bytes) {
        auto size = static_cast<std::int32_t>(bytes.size());
        const std::int32_t given = size;
        EXPECT_FALSE(form->AudioIn1BufferFilled(bytes.data(), size));
        EXPECT_EQ(size, given);
    }
    void Feed(const test::Wave& left, const test::Wave& right) {
        Feed(test::StereoBuffer(left, right));
    }
    void MeasureAll() {
        form->MeasureLeftVoltage();
        form->MeasureLeftFrequency();
        form->MeasureRightVoltage();
        form->MeasureRightFrequency();
    }

    std::unique_ptr<TForm1> form;
};

struct ReadoutCase {
    const char* name;
    test::Wave left;
    test::Wave right;
    const char* edit4;  // left voltage
    const char* edit12; // left frequency
    const char* edit1;  // right voltage
    const char* edit8;  // right frequency
};

TEST_F(Window, ReadoutsOfSyntheticCaptures) {
    const ReadoutCase cases[] = {
        {"1000 Hz left", test::Sine(1000, 10000), test::Silence(), " 332mV", nullptr, " 0.0mV",
         "f > fmax"},
        {"50 Hz left", test::Sine(50, 10000), test::Silence(), " 331mV", "    50Hz", " 0.0mV",
         "f > fmax"},
        {"300 Hz right", test::Silence(), test::Sine(300, 10000), " 0.0mV", "f > fmax", nullptr,
         "  294Hz"},
        {"440 Hz left, 105 Hz right", test::Sine(440, 10000), test::Sine(105, 10000), nullptr,
         "  424Hz", nullptr, "  104Hz"},
        {"full-scale square left", test::Square(100, 32767), test::Silence(), "1.54V", nullptr,
         " 0.0mV", "f > fmax"},
        {"silence", test::Silence(), test::Silence(), " 0.0mV", "f > fmax", " 0.0mV", "f > fmax"},
    };
    for (const ReadoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        Feed(c.left, c.right);
        MeasureAll();
        if (c.edit4) {
            EXPECT_EQ(form->Edit4->Text(), c.edit4);
        }
        if (c.edit12) {
            EXPECT_EQ(form->Edit12->Text(), c.edit12);
        }
        if (c.edit1) {
            EXPECT_EQ(form->Edit1->Text(), c.edit1);
        }
        if (c.edit8) {
            EXPECT_EQ(form->Edit8->Text(), c.edit8);
        }
    }
}

TEST_F(Window, FiftyHertzIsMeasuredInTheCoarsePassOnly) {
    Feed(test::Sine(50, 10000), test::Silence());
    form->MeasureLeftVoltage();
    form->MeasureLeftFrequency();
    EXPECT_EQ(form->leftSearchStep, 3);
    EXPECT_EQ(form->leftSearchSkip, 95);
    EXPECT_EQ(form->leftHalfWaveStart, 880);
    EXPECT_EQ(form->leftHalfWaveEnd, 1325);
    EXPECT_DOUBLE_EQ(form->leftFrequency, 22050.0 / 445);
}

TEST_F(Window, AHundredAndFiveHertzGetsTheFinePass) {
    Feed(test::Silence(), test::Sine(105, 10000));
    form->MeasureRightVoltage();
    form->MeasureRightFrequency();
    EXPECT_EQ(form->rightSearchStep, 1);
    EXPECT_EQ(form->rightSearchSkip, 5);
    EXPECT_EQ(form->rightTrackDivisor, 16);
    EXPECT_DOUBLE_EQ(form->rightMeasuredFrequency, 22050.0 / 212);
    EXPECT_EQ(form->Edit8->Text(), "  104Hz");
}

// While the readouts follow generator 1 both boxes show its frequency.
TEST_F(Window, ReadoutsFollowTheGenerator) {
    struct Case {
        int32 generator;
        const char* text;
        bool panelHidden;
    };
    const Case cases[] = {
        {100, "   100Hz", false},
        {1000, " 1000Hz", true},
        {1001, " 1001Hz", true},
        {5000, "f > fmax", false},
    };
    Feed(test::Sine(440, 10000), test::Sine(50, 10000));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.generator);
        form->timeBaseFromGenerator = 1;
        form->gen1Frequency = c.generator;
        form->Panel14->SetVisible(true);
        MeasureAll();
        EXPECT_EQ(form->Edit12->Text(), c.text);
        EXPECT_EQ(form->Edit8->Text(), c.text);
        EXPECT_EQ(form->leftFrequency, c.generator);
        EXPECT_EQ(form->rightFrequency, c.generator);
        EXPECT_EQ(form->Panel14->Visible(), !c.panelHidden);
    }
}

TEST_F(Window, MeasuredFineReadingHidesTheWarningPanel) {
    Feed(test::Sine(440, 10000), test::Silence());
    form->Panel14->SetVisible(true);
    form->MeasureLeftVoltage();
    form->MeasureLeftFrequency();
    EXPECT_FALSE(form->Panel14->Visible());
}

// The first positive right sample is 150, then the wave rises: only a
// threshold below 150 makes the search skip it and take the next half-wave,
// which starts at index 400.
TEST_F(Window, RightSearchKeepsTheTenVoltThresholdOnTheTwoLargestRanges) {
    const test::Wave right = [](int i) {
        if (i == 0) {
            return 0;
        }
        if (i == 1) {
            return 150;
        }
        return ((i - 1) / 200) % 2 == 0 ? 3000 : -3000;
    };
    struct Case {
        VerticalRange range;
        uint16 start;
    };
    const Case cases[] = {
        {VerticalRange::V20, 400},
        {VerticalRange::V50, 400},
        {VerticalRange::V10, 400},
        {VerticalRange::V5, 400},
    };
    Feed(test::Silence(), right);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.range));
        form->rightAppliedRange = c.range;
        form->rightRangeGain = RangeGain(c.range);
        form->MeasureRightVoltage();
        form->MeasureRightFrequency();
        EXPECT_EQ(form->rightSearchStep, 1);
        EXPECT_EQ(form->rightHalfWaveStart, c.start);
        EXPECT_EQ(form->rightRangeGain, RangeGain(c.range));
    }
    EXPECT_EQ(RangeGain(VerticalRange::V20), 0.005);
    EXPECT_EQ(RangeGain(VerticalRange::V50), 0.002);
}

TEST_F(Window, IntakeCopiesTheBufferAndKeepsTheRest) {
    form->captureCopy[16000] = 7;
    form->captureCopy[44099] = 9;
    Feed(test::StereoBuffer([](int i) { return -i; }, [](int i) { return i; }));
    EXPECT_EQ(form->sampleCount, 16000);
    for (int k = 0; k < 16000; ++k) {
        const int frame = k / 2;
        ASSERT_EQ(form->captureCopy[static_cast<std::size_t>(k)], k % 2 ? -frame : frame) << k;
    }
    EXPECT_EQ(form->captureCopy[16000], 7);
    EXPECT_EQ(form->captureCopy[44099], 9);
}

// Buffers the window's stream never delivers: nothing is written past the
// copy, and sampleCount stays within what the split can read.
TEST_F(Window, IntakeOfOddAndOversizedBuffers) {
    struct Case {
        std::int32_t bytes;
        int32 sampleCount;
        int32 copied;
    };
    const Case cases[] = {
        {32001, 16000, 16000},
        {1, 0, 0},
        {0, 0, 0},
        {3, 1, 1},
        {44100, 22050, 22050},
        {88199, 22050, 44099},
        {88200, 22050, 44100},
        {88201, 22050, 44100},
        {200001, 22050, 44100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        form->captureCopy.fill(-5);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(c.bytes));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<std::uint8_t>(i % 2 ? 0x12 : 0x34); // 0x1234 per value
        }
        Feed(bytes);
        EXPECT_EQ(form->sampleCount, c.sampleCount);
        for (int32 k = 0; k < kSampleArrayLength; ++k) {
            ASSERT_EQ(form->captureCopy[static_cast<std::size_t>(k)], k < c.copied ? 0x1234 : -5)
                << k;
        }
    }
}

TEST_F(Window, IntakeOfNoBuffer) {
    Feed(test::Sine(50, 1000), test::Silence());
    std::int32_t size = -4;
    EXPECT_FALSE(form->AudioIn1BufferFilled(nullptr, size));
    EXPECT_EQ(form->sampleCount, 0);
    std::uint8_t byte = 0;
    EXPECT_FALSE(form->AudioIn1BufferFilled(&byte, size));
    EXPECT_EQ(form->sampleCount, 0);
    EXPECT_EQ(size, -4);
    MeasureAll();
    EXPECT_EQ(form->Edit4->Text(), " 0.0mV");
    EXPECT_EQ(form->Edit12->Text(), "f > fmax");
}

TEST_F(Window, IntakeDecodesLittleEndianSignedValues) {
    std::vector<std::uint8_t> bytes = {0x00, 0x80, 0xFF, 0x7F, 0xFF, 0xFF, 0x01, 0x00};
    Feed(bytes);
    EXPECT_EQ(form->sampleCount, 4);
    EXPECT_EQ(form->captureCopy[0], -32768);
    EXPECT_EQ(form->captureCopy[1], 32767);
    EXPECT_EQ(form->captureCopy[2], -1);
    EXPECT_EQ(form->captureCopy[3], 1);
}

TEST_F(Window, TriggerSourceBox) {
    struct Case {
        int itemIndex;
        int leftAmplitude;
        int rightAmplitude;
        TriggerChannel channel;
    };
    const Case cases[] = {
        {0, 1000, 1500, TriggerChannel::Left},  {0, 1000, 1501, TriggerChannel::Right},
        {0, 1000, 1000, TriggerChannel::Left},  {1, 100, 20000, TriggerChannel::Left},
        {2, 20000, 100, TriggerChannel::Right}, {-1, 1000, 5000, TriggerChannel::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.itemIndex << " " << c.leftAmplitude << " " << c.rightAmplitude);
        // Square waves make the peaks exactly the amplitudes.
        Feed(test::Square(100, c.leftAmplitude), test::Square(100, c.rightAmplitude));
        MeasureAll();
        ASSERT_EQ(form->leftPeak, c.leftAmplitude);
        ASSERT_EQ(form->rightPeak, c.rightAmplitude);
        form->ComboBox4->SetItemIndex(c.itemIndex);
        EXPECT_EQ(form->ChooseTriggerChannel(), c.channel);
    }
}

// The trigger step runs for the chosen channel only, after the frequency
// measurement has rebuilt the track with the opposite polarity.
TEST_F(Window, TriggerStepSetsTheChosenChannelsTraceStart) {
    Feed(test::Sine(1000, 300), test::Silence());
    MeasureAll();
    form->leftTraceStart = 1;
    form->rightTraceStart = 2;
    form->leftSignIndex = 0; // as the scale drawing leaves it
    form->TriggerStep(TriggerChannel::Left);
    // First negative sample at 23 (skipped run), next downward crossing at
    // 66.15; the frame starts two entries before the first sample <= -16.
    const uint16 start = form->leftTraceStart;
    EXPECT_LE(form->leftSamples[start + 2u], -16);
    EXPECT_GT(form->leftSamples[start + 1u], -16);
    EXPECT_NEAR(start + 2.0, 66.15, 2.0);
    EXPECT_EQ(form->leftSignIndex, 23);
    EXPECT_EQ(form->rightTraceStart, 2);

    const uint16 rightIndex = form->rightSignIndex;
    form->TriggerStep(TriggerChannel::Right);
    EXPECT_EQ(form->rightTraceStart, 19998);
    EXPECT_EQ(form->rightSignIndex, rightIndex);
    EXPECT_EQ(form->leftTraceStart, start);

    form->TriggerStep(TriggerChannel::None);
    EXPECT_EQ(form->leftTraceStart, start);
    EXPECT_EQ(form->rightTraceStart, 19998);
}

} // namespace
} // namespace zvk
