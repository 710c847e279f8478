// Trigger: negative search, negative track and the search for the frame start;
// the choice of the triggering channel.
#include "display/CaptureCopy.h"
#include "display/Trigger.h"
#include "measure/ChannelSplit.h"
#include "measure/SignSearch.h"
#include "measure/SyntheticSignals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace zvk {
namespace {

constexpr int32 kK = 16;

struct Channel {
    SampleArray capture{};
    SampleArray samples{};
    SampleArray track{};
    uint16 signIndex = 0;
    int32 sampleCount = 0;

    explicit Channel(const test::Wave& wave) {
        const auto buffer = test::StereoBuffer(wave, test::Silence());
        sampleCount =
            TakeCaptureBuffer(buffer.data(), static_cast<std::int32_t>(buffer.size()), capture);
        SplitChannel(capture, samples, sampleCount, kLeftSlot);
    }
    uint16 Trigger() {
        FindFirstSign(samples, track, signIndex, sampleCount, Sign::Negative);
        FilterNegativeTrack(samples, track, signIndex, sampleCount, kK);
        return FindTriggerStart(track, signIndex);
    }
};

// Plain reading of the rule: after the first negative sample, wait for a
// sample at zero or above, then for the first sample at or below -K; the
// frame starts two entries before it. 19998 when there is none.
int ReferenceStart(const SampleArray& s, int sampleCount) {
    int i = 1;
    while (i <= sampleCount && s[static_cast<std::size_t>(i)] >= 0) {
        ++i;
    }
    bool armed = false;
    for (; i <= sampleCount; ++i) {
        const int v = s[static_cast<std::size_t>(i)];
        if (v >= 0) {
            armed = true;
        } else if (armed && v <= -kK) {
            return i - 2;
        }
    }
    return 19998;
}

struct SineCase {
    const char* name;
    double frequency;
    double amplitude;
    double phase;
    int crossing; // 1-based downward crossing the frame starts at; 0: none
};

TEST(Trigger, SineFramesStartJustBeforeReachingMinus16) {
    const double pi = std::numbers::pi;
    const SineCase cases[] = {
        {"starts positive", 1000, 300, 0.0, 2},
        {"starts positive, large", 440, 10000, 0.3, 2},
        {"starts negative", 1000, 300, pi + 0.5, 1},
        {"starts at the bottom", 50, 10000, -pi / 2, 1},
        {"starts just after a downward zero", 300, 10000, pi + 0.001, 1},
        {"peak 15 never triggers", 1000, 15, 0.0, 0},
        {"peak 16 triggers", 1000, 16, 0.0, 2},
    };
    for (const SineCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto ch = std::make_unique<Channel>(test::Sine(c.frequency, c.amplitude, c.phase));
        const uint16 start = ch->Trigger();
        EXPECT_EQ(start, ReferenceStart(ch->samples, ch->sampleCount));
        if (c.crossing == 0) {
            EXPECT_EQ(start, 19998);
            continue;
        }
        // The crossing sample is the first at or below -16 after zero or above.
        const auto& s = ch->samples;
        const std::size_t crossing = start + 2u;
        EXPECT_LE(s[crossing], -kK);
        EXPECT_GT(s[crossing - 1], -kK);
        // Count downward zero crossings up to the frame start.
        const double period = test::kRate / c.frequency;
        const double sinceStart = (c.phase < 0 ? c.phase + 2 * pi : c.phase) / (2 * pi) * period;
        const double crossingTime = std::fmod(period / 2 - sinceStart + 2 * period, period);
        const double expectedNear = crossingTime + (c.crossing - 1) * period;
        EXPECT_NEAR(double(crossing), expectedNear, 1 + period / 4) << crossingTime;
    }
}

// Successive buffers of a periodic signal trigger at the same phase.
TEST(Trigger, FramesOfASteadySineCoincide) {
    const double frequency = 441; // 100 samples per period
    auto first = std::make_unique<Channel>(test::Sine(frequency, 500));
    // The same wave 37 samples further on.
    auto later =
        std::make_unique<Channel>(test::Sine(frequency, 500, 2 * std::numbers::pi * 37 / 100));
    const uint16 a = first->Trigger();
    const uint16 b = later->Trigger();
    EXPECT_EQ(a, b + 37);
    for (int q = 1; q <= 200; ++q) {
        ASSERT_EQ(first->samples[a + q], later->samples[b + q]) << q;
    }
}

TEST(Trigger, SignalThatStaysPositiveOrSilentGivesTheFallBack) {
    for (const test::Wave& w : {test::Silence(), test::Wave([](int) { return 1000; })}) {
        auto ch = std::make_unique<Channel>(w);
        ch->signIndex = 123;
        EXPECT_EQ(ch->Trigger(), 19998);
        EXPECT_EQ(ch->signIndex, 123); // nothing negative: the index is kept
    }
}

TEST(Trigger, NegativeTrackSmoothsAndResets) {
    auto s = std::make_unique<SampleArray>();
    auto t = std::make_unique<SampleArray>();
    const int32 in[] = {5, -20, -15, -1, 0, -15, -16, -100, 3};
    for (int i = 0; i < 9; ++i) {
        (*s)[static_cast<std::size_t>(i + 1)] = in[i];
    }
    uint16 index = 0;
    FindFirstSign(*s, *t, index, 9, Sign::Negative);
    EXPECT_EQ(index, 2);
    EXPECT_EQ((*t)[2], -20);
    FilterNegativeTrack(*s, *t, index, 9, kK);
    // Trunc(S/16 + T - T/16): -15/16 - 18.75 = -19.6875 -> -19; -1/16 - 17.8125 = -17.875
    const int32 expected[] = {0, -20, -19, -17, 0, 0, -1, -7, 0};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ((*t)[static_cast<std::size_t>(i + 1)], expected[i]) << i + 1;
    }
    EXPECT_EQ(FindTriggerStart(*t, index), 5); // pair (6, 7): start 6 - 1
}

// The last pair the search examines is (19999, 20000).
TEST(Trigger, SearchLimit) {
    struct Case {
        int firstNonZero;
        uint16 signIndex;
        uint16 start;
    };
    const Case cases[] = {
        {19999, 0, 19997},     {20000, 0, 19998}, // pair (19999, 20000): found at 19999
        {20001, 0, 19998},                        // pair (20000, 20001) is not examined
        {5, 4, 19998},                            // the run the search starts in cannot trigger
        {19999, 19997, 19997},                    // found at the first pair examined
        {20502, 20500, 19998},                    // an index past the limit examines nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstNonZero);
        auto t = std::make_unique<SampleArray>();
        for (int i = c.firstNonZero; i < c.firstNonZero + 10; ++i) {
            (*t)[static_cast<std::size_t>(i)] = -40;
        }
        EXPECT_EQ(FindTriggerStart(*t, c.signIndex), c.start);
    }
}

TEST(Trigger, ChoiceOfChannel) {
    struct Case {
        int itemIndex;
        uint16 left;
        uint16 right;
        TriggerChannel channel;
    };
    const Case cases[] = {
        {0, 1000, 1500, TriggerChannel::Left},  {0, 1000, 1501, TriggerChannel::Right},
        {0, 1000, 1000, TriggerChannel::Left},  {0, 0, 0, TriggerChannel::Left},
        {0, 0, 1, TriggerChannel::Right},       {0, 32768, 32768, TriggerChannel::Left},
        {0, 1, 2, TriggerChannel::Right},       {0, 2, 3, TriggerChannel::Left},
        {1, 0, 30000, TriggerChannel::Left},    {2, 30000, 0, TriggerChannel::Right},
        {-1, 1000, 5000, TriggerChannel::None}, {3, 1000, 5000, TriggerChannel::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseTrigger(c.itemIndex, c.left, c.right), c.channel)
            << c.itemIndex << " " << c.left << " " << c.right;
    }
}

} // namespace
} // namespace zvk
