// Sample synthesis and the panels' number arithmetic, without widgets.
#include "generator/GeneratorReadouts.h"
#include "generator/ToneSynthesis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

using namespace zvk;

constexpr std::int32_t kRate = 44100;
constexpr std::int32_t kTwoToneCount = kTwoToneFillBytes / 2;
constexpr std::int32_t kSweptCount = kSweptFillBytes / 2;

std::vector<std::int16_t> TwoTone(std::int32_t f1, std::int32_t a1, std::int32_t f2,
                                  std::int32_t a2) {
    std::vector<std::int16_t> out(kTwoToneCount, 12345);
    FillTwoTone(out.data(), kTwoToneCount, kRate, f1, a1, f2, a2);
    return out;
}

TEST(TwoToneFill, GeneratorOneAt100HzMatchesTheReferenceSamples) {
    const auto s = TwoTone(100, 9000, 0, 0);
    const std::int16_t first[] = {0, 128, 256, 385, 513, 641};
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(s[n], first[n]) << "sample " << n;
    // The short constant shows here: with full pi these would be 0 and -128.
    EXPECT_EQ(s[11025], -1);
    EXPECT_EQ(s[22049], -131);
}

// Every term must round exactly as the long double formula does, across the
// frequencies and amplitudes the panels and typed entries can produce.
TEST(ToneTermTest, MatchesTheLongDoubleFormulaEverywhere) {
    std::mt19937 rng(20040101);
    std::uniform_int_distribution<std::int32_t> sample(0, 22049);
    std::uniform_int_distribution<std::int32_t> audible(0, 20000);
    std::uniform_int_distribution<std::int32_t> anyInt(std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::int32_t>::max());
    std::uniform_int_distribution<std::int32_t> barAmplitude(0, 32767);
    for (int i = 0; i < 300000; ++i) {
        const std::int32_t n = sample(rng);
        const bool wild = i % 10 == 0;
        const std::int32_t f = wild ? anyInt(rng) : audible(rng);
        const std::int32_t a = wild ? anyInt(rng) : barAmplitude(rng);
        const long double th = static_cast<long double>(n) / kRate * 3.14159L * 2 * f;
        const auto expected =
            static_cast<std::int64_t>(std::nearbyint(std::sin(th) * static_cast<long double>(a)));
        ASSERT_EQ(ToneTerm(n, kRate, f, a), expected) << "n " << n << " f " << f << " a " << a;
    }
}

TEST(TwoToneFill, SilentCombinationsGiveZeroBuffers) {
    struct Case {
        std::int32_t f1, a1, f2, a2;
    };
    const Case cases[] = {
        {100, 0, 500, 0},    // both amplitudes 0
        {0, 9000, 0, 32767}, // both frequencies 0
        {0, 0, 0, 0},        // everything off
    };
    for (const Case& c : cases) {
        const auto s = TwoTone(c.f1, c.a1, c.f2, c.a2);
        for (std::int32_t n = 0; n < kTwoToneCount; ++n)
            ASSERT_EQ(s[n], 0) << "f1 " << c.f1 << " a1 " << c.a1 << " sample " << n;
    }
}

TEST(TwoToneFill, SumIsSaturatedNotWrapped) {
    // Two full-scale 1000 Hz tones: the peak near sample 11 is 32767 + 32767.
    const auto s = TwoTone(1000, 32767, 1000, 32767);
    EXPECT_EQ(s[11], 32767);
    for (std::int32_t n = 0; n < kTwoToneCount; ++n) {
        const long double th = static_cast<long double>(n) / kRate * 3.14159L * 2 * 1000;
        const long double sum = 2 * std::nearbyint(std::sin(th) * 32767.0L);
        const long double expected = std::fmax(-32768.0L, std::fmin(32767.0L, sum));
        ASSERT_EQ(s[n], static_cast<std::int16_t>(expected)) << "sample " << n;
        // A wrap would flip the sign of a large sum.
        if (sum > 20000) {
            ASSERT_GT(s[n], 0) << "sample " << n;
        }
    }
}

TEST(TwoToneFill, AmplitudesBeyondTheBarNeverWrap) {
    const std::int32_t huge = std::numeric_limits<std::int32_t>::max();
    const auto s = TwoTone(100, huge, 0, 0);
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[110], 32767);  // near the positive crest
    EXPECT_EQ(s[330], -32768); // near the negative crest
    const auto neg = TwoTone(100, std::numeric_limits<std::int32_t>::min(), 0, 0);
    EXPECT_EQ(neg[110], -32768);
    EXPECT_EQ(neg[330], 32767);
}

TEST(TwoToneFill, MissingFrameRateGivesSilenceNotGarbage) {
    std::vector<std::int16_t> out(16, 7);
    FillTwoTone(out.data(), 16, 0, 100, 9000, 0, 0);
    for (std::int16_t v : out)
        EXPECT_EQ(v, 0);
}

TEST(SweepParameters, FactorAndStepLengthFromTheBoxes) {
    struct Case {
        std::int32_t from, to, factor, stepLength;
    };
    const Case cases[] = {
        {100, 500, 20, 20}, // the panel's initial texts
        {2, 10, 1, 1},      // both round to 0 and are raised to 1
        {12, 62, 2, 2},     // round(2.4), round(2.48)
        {12, 63, 2, 3},     // round(2.52)
        {1, 1, 1, 1},       // an emptied box reads "1": round(0.2) -> 1
        {-500, -500, 1, 1}, // negative entries are raised too
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max(),
         429496729, 85899346},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SweepStartFactor(c.from), c.factor) << "from " << c.from;
        EXPECT_EQ(SweepStepLength(c.to), c.stepLength) << "to " << c.to;
    }
}

// Plain reference of one swept sample at a given factor.
std::int16_t SweptReference(std::int32_t n, std::int32_t factor, std::int32_t amplitude) {
    const long double th = static_cast<long double>(n) / kRate * 3.14159L * 2 * factor;
    return static_cast<std::int16_t>(std::nearbyint(std::sin(th) * amplitude));
}

TEST(SweptFill, InitialTextsSweepFrom20To269InStepsOf20Samples) {
    std::vector<std::int16_t> out(kSweptCount, 0x5555);
    SweepState st{SweepStartFactor(100), SweepStepLength(500), 0};
    FillSwept(out.data(), kSweptCount, kRate, 9000, st);
    const std::int16_t first[] = {0, 26, 51, 77};
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(out[n], first[n]) << "sample " << n;
    for (std::int32_t n = 0; n < kSweptCount; ++n)
        ASSERT_EQ(out[n], SweptReference(n, 20 + n / 20, 9000)) << "sample " << n;
    // Samples 4980..4999 use 269; the state then points at the next factor.
    EXPECT_EQ(out[4999], SweptReference(4999, 269, 9000));
    EXPECT_EQ(st.factor, 270);
    EXPECT_EQ(st.stepCounter, 0);
    EXPECT_EQ(st.stepLength, 20);
}

TEST(SweptFill, StepLengthOneRaisesTheFactorEverySample) {
    std::vector<std::int16_t> out(kSweptCount);
    SweepState st{SweepStartFactor(2), SweepStepLength(10), 0};
    FillSwept(out.data(), kSweptCount, kRate, 9000, st);
    for (std::int32_t n = 0; n < kSweptCount; ++n)
        ASSERT_EQ(out[n], SweptReference(n, 1 + n, 9000)) << "sample " << n;
    EXPECT_EQ(st.factor, 5001);
}

TEST(SweptFill, StepLengthThatDoesNotDivideTheBufferLeavesTheCounter) {
    std::vector<std::int16_t> out(kSweptCount);
    SweepState st{2, 3, 0};
    FillSwept(out.data(), kSweptCount, kRate, 1000, st);
    EXPECT_EQ(out[4998], SweptReference(4998, 2 + 1666, 1000));
    EXPECT_EQ(out[4999], SweptReference(4999, 2 + 1666, 1000));
    EXPECT_EQ(st.factor, 2 + 1666);
    EXPECT_EQ(st.stepCounter, 2);
}

TEST(SweptFill, HugeAmplitudeSaturates) {
    std::vector<std::int16_t> out(kSweptCount);
    SweepState st{20, 20, 0};
    FillSwept(out.data(), kSweptCount, kRate, std::numeric_limits<std::int32_t>::max(), st);
    for (std::int32_t n = 0; n < kSweptCount; ++n) {
        const long double v =
            std::sin(static_cast<long double>(n) / kRate * 3.14159L * 2 * (20 + n / 20));
        if (v > 0.01L) {
            ASSERT_EQ(out[n], 32767) << "sample " << n;
        }
        if (v < -0.01L) {
            ASSERT_EQ(out[n], -32768) << "sample " << n;
        }
    }
}

TEST(Readouts, AmplitudeReadoutsOfBothGenerators) {
    struct Case {
        std::int32_t amplitude;
        std::int64_t gen1, gen2;
    };
    const Case cases[] = {
        {9000, 514, 302},  {32767, 1872, 1100}, {164, 9, 6},       {1000, 57, 34},
        {16384, 936, 550}, {8200, 468, 275},    {3280, 187, 110},  {1640, 94, 55},
        {820, 47, 28},     {328, 19, 11},       {16842, 962, 565}, {0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Gen1AmplitudeReadout(c.amplitude), c.gen1) << "amplitude " << c.amplitude;
        EXPECT_EQ(Gen2AmplitudeReadout(c.amplitude), c.gen2) << "amplitude " << c.amplitude;
    }
    // Extremes stay defined.
    EXPECT_EQ(Gen1AmplitudeReadout(std::numeric_limits<std::int32_t>::max()), 122687136);
    EXPECT_EQ(Gen1AmplitudeReadout(std::numeric_limits<std::int32_t>::min()), -122687136);
}

TEST(Readouts, TypedAmplitudeIsScaledAndHeldWithinInt32) {
    struct Case {
        std::int32_t entered, amplitude;
    };
    const Case cases[] = {
        {514, 16842},
        {1000, 32767},
        {0, 0},
        {-5, -164},
        {100000000, std::numeric_limits<std::int32_t>::max()},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()},
        {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AmplitudeFromEntry(c.entered), c.amplitude) << "entered " << c.entered;
}

TEST(Readouts, KiloHertzFrequencyAndText) {
    struct Case {
        std::int32_t position, frequency;
        const char* text;
    };
    const Case cases[] = {
        {1000, 1000, "1.0"}, {4000, 4000, "4.0"}, {12340, 12300, "12.3"}, {1050, 1000, "1.0"},
        {1150, 1200, "1.2"}, {2550, 2600, "2.6"}, {2549, 2500, "2.6"},    {20000, 20000, "20.0"},
        {1999, 2000, "2.0"}, {1234, 1200, "1.2"}, {1236, 1200, "1.2"},    {1266, 1300, "1.3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Gen1KiloHertzFrequency(c.position), c.frequency) << "position " << c.position;
        EXPECT_EQ(Gen1KiloHertzText(c.position), c.text) << "position " << c.position;
    }
}

TEST(AutomaticRun, StepCountsAndTickFrequencies) {
    struct Case {
        std::int32_t from, to, step, count;
    };
    const Case cases[] = {
        {100, 200, 10, 10},
        {100, 205, 10, 10}, // round(10.5) goes to the even 10
        {100, 215, 10, 12}, // round(11.5) goes to the even 12
        {500, 100, 10, 1},  // an end below the start gives one step
        {20, 21, 1, 1},
        {900, 1200, 50, 6},
        {20, std::numeric_limits<std::int32_t>::max(), 1,
         std::numeric_limits<std::int32_t>::max() - 20},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutoStepCount(c.from, c.to, c.step), c.count) << c.from << "->" << c.to;

    EXPECT_EQ(AutoTickFrequency(3, 10, 100), 130);
    EXPECT_EQ(AutoTickFrequency(1, 10, 500), 510);
    // The last tick of a run whose span is not a whole number of huge steps.
    const std::int32_t big = 1 << 30;
    const std::int32_t count = AutoStepCount(20, std::numeric_limits<std::int32_t>::max(), big);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(AutoTickFrequency(count, big, 20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(AutoTickFrequency(std::numeric_limits<std::int32_t>::max(),
                                std::numeric_limits<std::int32_t>::max(),
                                std::numeric_limits<std::int32_t>::max()),
              std::numeric_limits<std::int32_t>::max());
}

} // namespace
