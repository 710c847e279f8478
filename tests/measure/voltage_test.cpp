// Channel split, peak, effective voltage and its readout text.
#include "display/CaptureCopy.h"
#include "measure/ChannelSplit.h"
#include "measure/SyntheticSignals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>

namespace zvk {
namespace {

constexpr double kLeftStartupCalibration = 0.066465;
constexpr double kRightStartupCalibration = 0.066424;

// The state one channel's measurement works on.
struct Channel {
    SampleArray capture{};
    SampleArray samples{};
    SquareSumArray sums{};
    int32 sampleCount = 0;
    uint16 peak = 0;
    double voltage = 0.0;

    void Take(const std::vector<std::uint8_t>& buffer) {
        sampleCount =
            TakeCaptureBuffer(buffer.data(), static_cast<std::int32_t>(buffer.size()), capture);
    }
    void Measure(int32 slot, double calibration) {
        SplitChannel(capture, samples, sampleCount, slot);
        peak = PeakMagnitude(samples, sampleCount);
        AccumulateSquares(samples, sums, sampleCount);
        voltage = EffectiveVoltage(sums, sampleCount, calibration);
    }
};

struct VoltageCase {
    const char* name;
    test::Wave left;
    test::Wave right;
    double leftMillivolts; // to the precision given
    double precision;
    const char* leftText;
    double rightMillivolts;
    const char* rightText;
};

void PrintTo(const VoltageCase& c, std::ostream* os) {
    *os << c.name;
}

class VoltageFigures : public ::testing::TestWithParam<VoltageCase> {};

TEST_P(VoltageFigures, ReadsTheFigureInTheRightReadout) {
    const VoltageCase& c = GetParam();
    auto ch = std::make_unique<Channel>();
    ch->Take(test::StereoBuffer(c.left, c.right));
    ASSERT_EQ(ch->sampleCount, 16000);

    ch->Measure(kLeftSlot, kLeftStartupCalibration);
    EXPECT_NEAR(ch->voltage, c.leftMillivolts, c.precision);
    EXPECT_EQ(VoltageText(ch->voltage), c.leftText);

    ch->Measure(kRightSlot, kRightStartupCalibration);
    EXPECT_NEAR(ch->voltage, c.rightMillivolts, 0.005);
    EXPECT_EQ(VoltageText(ch->voltage), c.rightText);
}

INSTANTIATE_TEST_SUITE_P(
    Captures, VoltageFigures,
    ::testing::Values(VoltageCase{"Sine1000HzLeft", test::Sine(1000, 10000), test::Silence(),
                                  332.39, 0.005, " 332mV", 0.0, " 0.0mV"},
                      VoltageCase{"Sine50HzLeft", test::Sine(50, 10000), test::Silence(), 331.19,
                                  0.005, " 331mV", 0.0, " 0.0mV"},
                      VoltageCase{"FullScaleSquareLeft", test::Square(100, 32767), test::Silence(),
                                  1539.9, 0.05, "1.54V", 0.0, " 0.0mV"},
                      VoltageCase{"Silence", test::Silence(), test::Silence(), 0.0, 0.0, " 0.0mV",
                                  0.0, " 0.0mV"}),
    [](const auto& p) { return std::string(p.param.name); });

// The right slot carries the first value of each frame: the same 1000 Hz sine
// there reads with the right factor and leaves the left readout at zero.
TEST(VoltageMeasurement, FirstValueOfEachFrameIsTheRightChannel) {
    auto ch = std::make_unique<Channel>();
    ch->Take(test::StereoBuffer(test::Silence(), test::Sine(1000, 10000)));
    ch->Measure(kLeftSlot, kLeftStartupCalibration);
    EXPECT_EQ(ch->voltage, 0.0);
    EXPECT_EQ(ch->peak, 0);
    ch->Measure(kRightSlot, kRightStartupCalibration);
    EXPECT_NEAR(ch->voltage, 332.39 * kRightStartupCalibration / kLeftStartupCalibration, 0.005);
    EXPECT_EQ(ch->peak, 10000);
}

TEST(ChannelSplit, TakesSampleCountEntriesOfWhichTheSecondHalfIsZero) {
    auto ch = std::make_unique<Channel>();
    ch->Take(test::StereoBuffer([](int i) { return 1000 + i % 7; }, [](int i) { return -i % 5; }));
    ch->Measure(kLeftSlot, kLeftStartupCalibration);
    for (int i = 0; i < 8000; ++i) {
        ASSERT_EQ(ch->samples[static_cast<std::size_t>(i)], 1000 + i % 7) << i;
    }
    for (int i = 8000; i < kSampleArrayLength; ++i) {
        ASSERT_EQ(ch->samples[static_cast<std::size_t>(i)], 0) << i;
    }
    ch->Measure(kRightSlot, kRightStartupCalibration);
    for (int i = 0; i < 8000; ++i) {
        ASSERT_EQ(ch->samples[static_cast<std::size_t>(i)], -i % 5) << i;
    }
}

// Frame 0 counts neither in the peak nor in the sums; the last frame does.
TEST(ChannelSplit, PeakAndSumsLeaveOutFrameZero) {
    struct Case {
        int frame;
        int value;
        uint16 peak;
        bool counts;
    };
    const Case cases[] = {
        {0, 30000, 0, false},
        {1, -32768, 32768, true},
        {7999, 32767, 32767, true},
        {4000, -1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame);
        auto ch = std::make_unique<Channel>();
        const int frame = c.frame;
        const int value = c.value;
        ch->Take(
            test::StereoBuffer([=](int i) { return i == frame ? value : 0; }, test::Silence()));
        ch->Measure(kLeftSlot, 1.0);
        EXPECT_EQ(ch->peak, c.peak);
        const double expected = c.counts ? std::sqrt(double(value) * value / 16000.0) : 0.0;
        EXPECT_DOUBLE_EQ(ch->voltage, expected);
    }
}

TEST(ChannelSplit, EmptyBufferMeasuresZero) {
    auto ch = std::make_unique<Channel>();
    ch->Measure(kLeftSlot, kLeftStartupCalibration);
    EXPECT_EQ(ch->voltage, 0.0);
    EXPECT_EQ(VoltageText(ch->voltage), " 0.0mV");
}

TEST(VoltageText, FollowsTheThreeRanges) {
    struct Case {
        double millivolts;
        const char* text;
    };
    const Case cases[] = {
        {0.0, " 0.0mV"},     {5.26, " 5.3mV"},    {0.25, " 0.2mV"},  {0.75, " 0.8mV"},
        {99.94, "99.9mV"},   {99.96, "100.0mV"},  {100.0, " 100mV"}, {532.2, " 532mV"},
        {532.5, " 532mV"},   {533.5, " 534mV"},   {999.7, "1000mV"}, {1000.0, "1.00V"},
        {1539.9, "1.54V"},   {1235.0, "1.24V"},   {1225.0, "1.22V"}, {1224.6, "1.22V"},
        {12345.6, "12.35V"}, {32768.0, "32.77V"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VoltageText(c.millivolts), c.text) << c.millivolts;
    }
}

} // namespace
} // namespace zvk
