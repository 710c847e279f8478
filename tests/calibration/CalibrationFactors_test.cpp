// The two calibration sets as the readouts and the traces see them, and the
// hidden calibration panel that changes none of them.
#include "CalibrationFixture.h"

#include "calibration/CalibrationSets.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace {

using zvk::testing::CalibrationTest;
namespace test = zvk::test;

class CalibrationFactors : public CalibrationTest {
protected:
    struct Reading {
        double left, right;
        std::string leftText, rightText;
    };
    Reading Measure() {
        form->MeasureLeftVoltage();
        form->MeasureRightVoltage();
        return {form->leftVoltage, form->rightVoltage, form->Edit4->Text(), form->Edit1->Text()};
    }
};

// Full-scale square waves: every second entry of the 16000 is zero, so the
// RMS in sample units is 32767 / sqrt(2).
TEST_F(CalibrationFactors, FullScaleSquareBeforeAndAfterOptimum) {
    struct Case {
        const char* name;
        test::Wave left, right;
        double leftBefore, rightBefore, leftAfter, rightAfter;
        const char *leftTextBefore, *leftTextAfter, *rightTextBefore, *rightTextAfter;
    };
    const Case cases[] = {
        {"left slot", test::Square(100, 32767), test::Silence(), 1539.9, 0.0, 612.7, 0.0, "1.54V",
         " 613mV", " 0.0mV", " 0.0mV"},
        {"right slot", test::Silence(), test::Square(100, 32767), 0.0, 1538.9, 0.0, 810.9, " 0.0mV",
         " 0.0mV", "1.54V", " 811mV"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Feed(c.left, c.right);
        const Reading before = Measure();
        EXPECT_NEAR(before.left, c.leftBefore, 0.05);
        EXPECT_NEAR(before.right, c.rightBefore, 0.05);
        EXPECT_EQ(before.leftText, c.leftTextBefore);
        EXPECT_EQ(before.rightText, c.rightTextBefore);

        form->Button2->Click();
        Feed(c.left, c.right);
        const Reading after = Measure();
        EXPECT_NEAR(after.left, c.leftAfter, 0.05);
        EXPECT_NEAR(after.right, c.rightAfter, 0.05);
        EXPECT_EQ(after.leftText, c.leftTextAfter);
        EXPECT_EQ(after.rightText, c.rightTextAfter);
    }
}

// Any input reads lower after "optimum" by the ratio of the readout factors.
TEST_F(CalibrationFactors, SameInputReadsLowerByTheFactorRatio) {
    Feed(test::Sine(997, 20000, 0.3), test::Noise(9000, 42));
    const Reading before = Measure();
    ASSERT_GT(before.left, 100.0);
    ASSERT_GT(before.right, 100.0);
    form->Button2->Click();
    const Reading after = Measure();
    EXPECT_NEAR(after.left / before.left, 0.39789, 0.000005);
    EXPECT_NEAR(after.right / before.right, 0.52692, 0.000005);
}

// A trace's offset from the centre line is sample x trace factor x range
// gain: the same capture lies closer to the centre line after "optimum".
TEST_F(CalibrationFactors, TraceFactorsScaleTheDrawnTraces) {
    // Highest and lowest row of a colour over the trace area.
    const auto rowsOf = [&](vcl::TColor colour) {
        int top = 100000, bottom = -1;
        for (int y = 0; y < form->ClientHeight(); ++y)
            for (int x = 55; x < form->ClientWidth(); ++x)
                if (form->Canvas()->Pixel(x, y) == colour) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return std::pair{top, bottom};
    };
    const int hc = form->ClientHeight() / 2;
    const struct {
        const char* name;
        bool optimum, left;
        double factor;
    } cases[] = {
        {"left, start-up set", false, true, 0.089},
        {"left, optimum set", true, true, 0.042},
        {"right, start-up set", false, false, 0.089},
        {"right, optimum set", true, false, 0.0494},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (c.optimum)
            form->Button2->Click();
        // Peak 1000 on the 100 mV range (gain 1) of the channel.
        if (c.left) {
            Feed(test::Sine(300, 1000), test::Silence());
            form->ComboBox9->Choose(3);
        } else {
            Feed(test::Silence(), test::Sine(300, 1000));
            form->ComboBox10->Choose(9);
        }
        form->Refresh();
        form->DisplayCycle();
        ASSERT_EQ(c.left ? form->leftRangeGain : form->rightRangeGain, 1.0);
        const auto [top, bottom] = rowsOf(c.left ? vcl::clYellow : vcl::clAqua);
        EXPECT_NEAR(bottom - hc, 1000 * c.factor, 1.0);
        EXPECT_NEAR(hc - top, 1000 * c.factor, 1.0);
    }
}

TEST(OptimumAmplitudeReadout, RoundsAmplitudeTimesOnePointOne) {
    const struct {
        std::int32_t amplitude;
        std::int64_t readout;
    } cases[] = {
        {0, 0}, {3000, 101}, {32767, 1100}, {29, 1}, {14, 0}, {1, 0}, {15, 1},
    };
    for (const auto& c : cases) {
        const long double reference = std::nearbyint(c.amplitude / 32.767L * 1.1L);
        ASSERT_EQ(static_cast<std::int64_t>(reference), c.readout) << c.amplitude;
        EXPECT_EQ(zvk::OptimumAmplitudeReadout(c.amplitude), c.readout) << c.amplitude;
    }
}

// Sliders and clicks of the hidden panel: the panel can be closed, no factor
// and no readout changes.
TEST_F(CalibrationFactors, HiddenCalibrationPanelChangesNoFactor) {
    Feed(test::Square(100, 32767), test::Square(100, 32767));
    const Reading before = Measure();
    ASSERT_FALSE(form->Panel4->Visible());
    const struct {
        const char* name;
        std::function<void()> action;
    } actions[] = {
        {"slider to 10", [&] { form->ScrollBar1->UserSetPosition(10); }},
        {"slider to 57", [&] { form->ScrollBar1->UserSetPosition(57); }},
        {"upper slider", [&] { form->ScrollBar2->UserSetPosition(80); }},
        {"end of test", [&] { form->Button1->Click(); }},
    };
    for (const auto& a : actions) {
        SCOPED_TRACE(a.name);
        a.action();
        EXPECT_EQ(form->leftCalibration, 0.066465);
        EXPECT_EQ(form->rightCalibration, 0.066424);
        EXPECT_EQ(form->leftDisplayFactor, 0.089);
        EXPECT_EQ(form->rightDisplayFactor, 0.089);
        const Reading now = Measure();
        EXPECT_EQ(now.left, before.left);
        EXPECT_EQ(now.right, before.right);
    }
    EXPECT_TRUE(reports.empty());

    // Shown by someone, it closes by its button or by a click on it.
    form->Panel4->SetVisible(true);
    form->Button1->Click();
    EXPECT_FALSE(form->Panel4->Visible());
    form->Panel4->SetVisible(true);
    form->Panel4Click(nullptr);
    EXPECT_FALSE(form->Panel4->Visible());
}

} // namespace
