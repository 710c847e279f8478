#include "DisplayFixture.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace zvk::testing {
namespace {

class DisplayCycleTest : public DisplayTest {
protected:
    // One capture buffer as the card delivers it: frame i holds the right
    // sample first, then the left one.
    void Capture(double leftHz, double leftAmp, double rightHz, double rightAmp) {
        std::vector<std::uint8_t> buffer(32000);
        for (int i = 0; i < 8000; ++i) {
            const double t = i / 44100.0;
            const auto put = [&](int k, double v) {
                const auto u =
                    static_cast<std::uint16_t>(static_cast<std::int16_t>(std::nearbyint(v)));
                buffer[static_cast<std::size_t>(2 * k)] = static_cast<std::uint8_t>(u & 0xFF);
                buffer[static_cast<std::size_t>(2 * k + 1)] = static_cast<std::uint8_t>(u >> 8);
            };
            put(2 * i, rightAmp * std::sin(2 * std::numbers::pi * rightHz * t));
            put(2 * i + 1, leftAmp * std::sin(2 * std::numbers::pi * leftHz * t));
        }
        std::int32_t size = 32000;
        form->AudioIn1BufferFilled(buffer.data(), size);
    }

    struct Extent {
        int count = 0, top = 100000, bottom = -1;
    };
    Extent ExtentOf(vcl::TColor colour) {
        Extent e;
        for (int y = 0; y < 526; ++y)
            for (int x = 55; x < 794; ++x)
                if (px(x, y) == colour) {
                    ++e.count;
                    e.top = std::min(e.top, y);
                    e.bottom = std::max(e.bottom, y);
                }
        return e;
    }
};

TEST_F(DisplayCycleTest, TwoSinesAreScaledTriggeredAndDrawn) {
    // Left: peak 10000, the 500 mV range (gain 0.2): 178 pixels either side.
    // Right: peak 2000, the 100 mV range (gain 1): 178 pixels too, but aqua
    // is drawn last, so compare it with a smaller one: 1200 -> 106.8 pixels.
    Capture(1000.0, 10000.0, 300.0, 1200.0);
    form->DisplayCycle();
    EXPECT_EQ(form->leftAppliedRange, VerticalRange::mV500);
    EXPECT_EQ(form->rightAppliedRange, VerticalRange::mV100);
    EXPECT_EQ(form->appliedTimeBase, TimeBaseSetting::ms2) << "left triggers: about 920 Hz";
    EXPECT_EQ(form->samplesPerPoint, 1);
    EXPECT_EQ(form->pixelsPerPoint, 8.5);

    const Extent yellow = ExtentOf(vcl::clYellow);
    EXPECT_GT(yellow.count, 500);
    EXPECT_GE(yellow.top, 263 - 178 - 1);
    EXPECT_LE(yellow.top, 263 - 170);
    EXPECT_LE(yellow.bottom, 263 + 178 + 1);
    EXPECT_GE(yellow.bottom, 263 + 170);
    const Extent aqua = ExtentOf(vcl::clAqua);
    EXPECT_GT(aqua.count, 200);
    EXPECT_GE(aqua.top, 263 - 107 - 1);
    EXPECT_LE(aqua.bottom, 263 + 107 + 1);

    // The frame starts at the trigger: just before the left sine falls
    // through -16, on the centre line; the next point lies above it.
    const long long s = form->leftTraceStart;
    EXPECT_GE(form->leftSamples[static_cast<std::size_t>(s + 1)], -15);
    EXPECT_LE(form->leftSamples[static_cast<std::size_t>(s + 2)], -16);
    EXPECT_EQ(form->leftPreviousTrace[1], form->leftSamples[static_cast<std::size_t>(s + 1)]);
    EXPECT_EQ(form->rightPreviousTrace[500], form->rightSamples[static_cast<std::size_t>(s + 500)]);
}

TEST_F(DisplayCycleTest, TriggerSourceAndVisibilityDecideWhatIsDrawn) {
    struct Case {
        int32 leftVisible, rightVisible;
        int triggerSource;
        bool yellow, aqua;
    };
    const std::vector<Case> cases = {
        {1, 1, 0, true, true},
        {1, 0, 2, true, false},
        {0, 1, 1, false, true},
    };
    Capture(500.0, 3000.0, 700.0, 3000.0);
    for (const Case& c : cases) {
        form->Refresh();
        form->leftTraceVisible = c.leftVisible;
        form->rightTraceVisible = c.rightVisible;
        form->ComboBox4->SetItemIndex(c.triggerSource);
        form->DisplayCycle();
        EXPECT_EQ(ExtentOf(vcl::clYellow).count > 0, c.yellow);
        EXPECT_EQ(ExtentOf(vcl::clAqua).count > 0, c.aqua);
    }
}

TEST_F(DisplayCycleTest, CycleWithoutDrawingComputesEverythingAndLeavesTheScreen) {
    Capture(1000.0, 10000.0, 300.0, 1200.0);
    form->displayDrawingOff = true;
    Mark();
    const QImage before = canvas().Image().copy();
    form->DisplayCycle();
    EXPECT_TRUE(canvas().Image() == before);
    EXPECT_EQ(form->leftAppliedRange, VerticalRange::mV500);
    EXPECT_EQ(form->appliedTimeBase, TimeBaseSetting::ms2);
    EXPECT_EQ(form->Edit4->Text(), " 332mV");
    EXPECT_EQ(form->Edit2->Text(), "+mV");
    EXPECT_EQ(form->leftPreviousTrace[1],
              form->leftSamples[static_cast<std::size_t>(form->leftTraceStart + 1)]);
}

} // namespace
} // namespace zvk::testing
