// Half-wave search on the positive track, and the frequency readout texts.
#include "display/CaptureCopy.h"
#include "measure/ChannelSplit.h"
#include "measure/HalfWave.h"
#include "measure/SignSearch.h"
#include "measure/SyntheticSignals.h"
#include "measure/TrackFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace zvk {
namespace {

struct Pass {
    uint16 step;
    int16 skip;
};
constexpr Pass kCoarse{3, 95};
constexpr Pass kFine{1, 5};

// A left channel after the split, and one pass of the measurement over it.
struct LeftChannel {
    SampleArray capture{};
    SampleArray samples{};
    SampleArray track{};
    uint16 signIndex = 0;
    int32 sampleCount = 0;

    explicit LeftChannel(const test::Wave& wave) {
        const auto buffer = test::StereoBuffer(wave, test::Silence());
        sampleCount =
            TakeCaptureBuffer(buffer.data(), static_cast<std::int32_t>(buffer.size()), capture);
        SplitChannel(capture, samples, sampleCount, kLeftSlot);
    }
    HalfWave Run(Pass pass, double gain = 1.0) {
        FindFirstSign(samples, track, signIndex, sampleCount, Sign::Positive);
        FilterPositiveTrack(samples, track, signIndex, sampleCount, 16);
        return FindHalfWave(track, signIndex, pass.step, pass.skip, gain);
    }
};

struct SineCase {
    double frequency;
    Pass pass;
    int start;      // -1: not checked
    int length;     // end - start
    double reading; // to the precision given
    double precision;
};

TEST(HalfWave, SineOfAmplitude10000) {
    const SineCase cases[] = {
        {50, kCoarse, 880, 445, 49.55, 0.005}, {300, kFine, -1, 75, 294.0, 0.05},
        {440, kFine, -1, 52, 424.0, 0.05},     {105, kCoarse, -1, 214, 103.0, 0.05},
        {105, kFine, -1, 212, 104.0, 0.05},
    };
    for (const SineCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frequency << " Hz, step " << c.pass.step);
        auto ch = std::make_unique<LeftChannel>(test::Sine(c.frequency, 10000));
        const HalfWave w = ch->Run(c.pass);
        if (c.start >= 0) {
            EXPECT_EQ(w.start, c.start);
        }
        EXPECT_EQ(w.end - w.start, c.length);
        EXPECT_NEAR(w.frequency, c.reading, c.precision);
        EXPECT_DOUBLE_EQ(w.frequency, 22050.0 / c.length);
    }
}

// No edge: the start is 19999 and the end search begins past the limit, where
// the track holds 0.
TEST(HalfWave, SilenceGivesTheShortestLength) {
    auto ch = std::make_unique<LeftChannel>(test::Silence());
    for (const Pass pass : {kCoarse, kFine}) {
        const HalfWave w = ch->Run(pass);
        EXPECT_EQ(w.start, 19999);
        EXPECT_EQ(w.end, 19999 + pass.skip + 2);
        EXPECT_DOUBLE_EQ(w.frequency, 22050.0 / (pass.skip + 2));
    }
}

// The edge test takes a value at or below 1 / gain; values are the low 16
// bits of the track, read unsigned.
TEST(HalfWave, EdgeThresholdAndSixteenBitValues) {
    struct Case {
        int32 first; // track at the sign index, followed by a rise
        double gain;
        bool edgeAtFirst;
    };
    const Case cases[] = {
        {100, 0.01, true},   {101, 0.01, false}, {1, 1.0, true},
        {2, 1.0, false},     {0, 100.0, true},   {1, 100.0, false},
        {5, 0.2, true},      {10, 0.1, true},    {-65536, 1.0, true}, // low 16 bits are 0
        {-1, 1000.0, false},                                          // reads as 65535
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " gain " << c.gain);
        auto track = std::make_unique<SampleArray>();
        (*track)[10] = c.first;
        for (int i = 11; i < 200; ++i) {
            (*track)[static_cast<std::size_t>(i)] = 1000 + i;
        }
        const HalfWave w = FindHalfWave(*track, 10, 1, 5, c.gain);
        if (c.edgeAtFirst) {
            EXPECT_EQ(w.start, 10);
            EXPECT_EQ(w.end, 201); // one past the first 0
        } else {
            EXPECT_NE(w.start, 10);
        }
    }
}

// The end search stops at the first 0 or at index 20000; an end equal to the
// start is moved one on.
TEST(HalfWave, EndSearchLimits) {
    auto track = std::make_unique<SampleArray>();
    for (int i = 19000; i < 30000; ++i) {
        (*track)[static_cast<std::size_t>(i)] = 500;
    }
    (*track)[19000] = 0;
    const HalfWave w = FindHalfWave(*track, 19000, 1, 5, 1.0);
    EXPECT_EQ(w.start, 19000);
    EXPECT_EQ(w.end, 20000);
    EXPECT_DOUBLE_EQ(w.frequency, 22050.0 / 1000);
}

// The smoothing step against the formula as written, in extended precision,
// over both polarities and the ends of the 16-bit range.
TEST(TrackStep, MatchesTheFormula) {
    const int32 values[] = {-32768, -32767, -20001, -17, -16, -15,   -1,    0,
                            1,      15,     16,     17,  255, 20001, 32766, 32767};
    for (const int32 s : values) {
        for (const int32 p : values) {
            const long double x = s / 16.0L + p - p / 16.0L;
            EXPECT_EQ(TrackStep(s, p, 16), static_cast<int32>(std::trunc(x))) << s << " " << p;
        }
    }
}

TEST(FrequencyText, CoarseAndFineReadouts) {
    EXPECT_EQ(CoarseFrequencyText(49.9), "    50Hz");
    EXPECT_EQ(CoarseFrequencyText(49.55), "    50Hz");
    EXPECT_EQ(CoarseFrequencyText(100.0), "   100Hz");
    EXPECT_EQ(CoarseFrequencyText(40.5), "    40Hz");
    EXPECT_EQ(CoarseFrequencyText(123456.0), " 123456Hz");

    struct Case {
        double frequency;
        bool fromGenerator;
        const char* text;
    };
    const Case cases[] = {
        {294.0, false, "  294Hz"},  {441.3, false, "  442Hz"},   {424.0, false, "  424Hz"},
        {104.0, false, "  104Hz"},  {103.0, false, "  104Hz"},   {101.0, false, "  100Hz"},
        {1000.0, false, " 1000Hz"}, {1001.0, true, " 1001Hz"},   {1001.0, false, " 1000Hz"},
        {2500.0, false, " 2500Hz"}, {2500.5, false, "f > fmax"}, {3150.0, false, "f > fmax"},
        {5000.0, true, "f > fmax"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FineFrequencyText(c.frequency, c.fromGenerator), c.text)
            << c.frequency << " " << c.fromGenerator;
    }
}

} // namespace
} // namespace zvk
