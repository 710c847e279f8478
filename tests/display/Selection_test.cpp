#include "DisplayFixture.h"

#include "display/TimeBase.h"
#include "display/VerticalRanges.h"

#include <vector>

namespace zvk::testing {
namespace {

using R = VerticalRange;
using T = TimeBaseSetting;

class SelectionTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        // The start-up scales, whatever start-up's own cycles applied since.
        form->leftAppliedRange = form->rightAppliedRange = R::mV100;
        form->leftRangeGain = form->rightRangeGain = 1.0;
        form->leftDivisionValue = form->rightDivisionValue = 10.0;
        form->leftRangeAuto = form->rightRangeAuto = 1;
        form->appliedTimeBase = T::None;
    }

    struct Shown {
        std::string top, bottom;
        double gain, division;
        R applied;
    };
    Shown Left() {
        return {form->Edit2->Text(), form->Edit5->Text(), form->leftRangeGain,
                form->leftDivisionValue, form->leftAppliedRange};
    }
    Shown Right() {
        return {form->Edit18->Text(), form->Edit19->Text(), form->rightRangeGain,
                form->rightDivisionValue, form->rightAppliedRange};
    }
    void ExpectShows(const Shown& s, R range) {
        const VerticalRangeInfo& info = RangeInfo(range);
        EXPECT_EQ(s.applied, range);
        EXPECT_EQ(s.top, info.topText);
        EXPECT_EQ(s.bottom, info.bottomText);
        EXPECT_EQ(s.gain, info.gain);
        EXPECT_EQ(s.division, info.divisionValue);
    }
};

TEST_F(SelectionTest, AutomaticRangeFollowsEachPeakAndClearsOnlyOnAChange) {
    struct Step {
        bool right;
        uint16 peak;
        R range;
        bool cleared;
    };
    const std::vector<Step> steps = {
        {false, 2249, R::mV100, false}, {false, 2250, R::mV200, true},
        {false, 2249, R::mV100, true},  {false, 2000, R::mV100, false},
        {false, 25, R::mV2, true},      {false, 24, R::mV1, true},
        {false, 4600, R::mV500, true},  {false, 0, R::mV1, true},
        {false, 11250, R::V1, true},    {false, 40000, R::V2, true},
        {true, 0, R::mV10, true},       {true, 224, R::mV10, false},
        {true, 225, R::mV20, true},     {true, 22500, R::V2, true},
        {true, 22499, R::V1, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::to_string(s.peak) + (s.right ? " right" : " left"));
        Mark();
        if (s.right) {
            form->rightPeak = s.peak;
            form->SelectRightRange();
            ExpectShows(Right(), s.range);
        } else {
            form->leftPeak = s.peak;
            form->SelectLeftRange();
            ExpectShows(Left(), s.range);
        }
        EXPECT_EQ(Cleared(), s.cleared);
    }
    // The other channel was left alone.
    ExpectShows(Left(), R::V2);
}

TEST_F(SelectionTest, RangeBoxesFixTheRange) {
    struct Step {
        bool right;
        int item;
        int autoFlag; // after the click
        R range;      // applied after the next selection
        bool cleared;
    };
    const std::vector<Step> steps = {
        {false, 3, 0, R::mV100, false}, // equal to the applied range: nothing changes
        {false, 8, 0, R::mV2, true},    {false, 1, 0, R::mV500, true},
        {false, 0, 1, R::mV5, true}, // back to automatic, peak 100
        {true, 1, 0, R::V50, true},     {true, 2, 0, R::V20, true},
        {true, 12, 0, R::mV10, true},   {true, 6, 0, R::V1, true},
        {true, 0, 1, R::mV10, true},
    };
    form->leftPeak = 100;
    form->rightPeak = 100;
    for (const Step& s : steps) {
        SCOPED_TRACE(std::to_string(s.item) + (s.right ? " right" : " left"));
        vcl::TComboBox* box = s.right ? form->ComboBox10 : form->ComboBox9;
        const R before = s.right ? form->rightAppliedRange : form->leftAppliedRange;
        box->Choose(s.item);
        EXPECT_EQ(s.right ? form->rightRangeAuto : form->leftRangeAuto, s.autoFlag);
        // The click itself applies nothing.
        EXPECT_EQ(s.right ? form->rightAppliedRange : form->leftAppliedRange, before);
        Mark();
        if (s.right) {
            form->SelectRightRange();
            ExpectShows(Right(), s.range);
        } else {
            form->SelectLeftRange();
            ExpectShows(Left(), s.range);
        }
        EXPECT_EQ(Cleared(), s.cleared);
    }
}

TEST_F(SelectionTest, FixedRangeWithoutAnItemKeepsTheAppliedOne) {
    form->leftRangeAuto = 0;
    form->ComboBox9->SetItemIndex(-1);
    form->rightRangeAuto = 0;
    form->ComboBox10->SetItemIndex(0); // inconsistent with the flag: applies nothing
    Mark();
    form->SelectLeftRange();
    form->SelectRightRange();
    ExpectShows(Left(), R::mV100);
    ExpectShows(Right(), R::mV100);
    EXPECT_FALSE(Cleared());
}

TEST_F(SelectionTest, HiddenRangeBoxesSetTheirChannelsFlag) {
    struct Case {
        vcl::TComboBox* box;
        int32* flag;
    };
    const std::vector<Case> cases = {{form->ComboBox2, &form->leftRangeAuto},
                                     {form->ComboBox5, &form->leftRangeAuto},
                                     {form->ComboBox3, &form->rightRangeAuto},
                                     {form->ComboBox6, &form->rightRangeAuto}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box->Name);
        c.box->Choose(2);
        EXPECT_EQ(*c.flag, 0);
        c.box->Choose(0);
        EXPECT_EQ(*c.flag, 1);
    }
}

TEST_F(SelectionTest, TimeBoxSetsTheModeFlags) {
    struct Case {
        int item;
        int32 timeBaseAuto;
        int16 fromGenerator;
    };
    const std::vector<Case> cases = {{8, 1, 1}, {3, 0, 0}, {0, 1, 0}, {7, 0, 0}, {1, 0, 0}};
    for (const Case& c : cases) {
        form->ComboBox1->Choose(c.item);
        EXPECT_EQ(form->timeBaseAuto, c.timeBaseAuto) << c.item;
        EXPECT_EQ(form->timeBaseFromGenerator, c.fromGenerator) << c.item;
        EXPECT_EQ(form->appliedTimeBase, T::None) << "applied only by the next cycle";
    }
}

TEST_F(SelectionTest, TimeBaseFollowsTheFrequencyAndClearsOnlyOnAChange) {
    struct Step {
        bool right;
        double f;
        T setting;
        bool cleared;
    };
    const std::vector<Step> steps = {
        {false, 249.0, T::ms10, true}, {false, 251.0, T::ms5, true},  {false, 260.0, T::ms5, false},
        {false, 249.0, T::ms10, true}, {true, 20.0, T::ms100, true},  {true, 0.0, T::ms100, false},
        {false, 1200.0, T::ms2, true}, {false, 1200.5, T::ms1, true},
    };
    form->timeBaseAuto = 1;
    form->leftFrequency = 20.0;
    form->rightFrequency = 20.0;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.f);
        (s.right ? form->rightFrequency : form->leftFrequency) = s.f;
        Mark();
        form->SelectTimeBase(s.right ? TriggerChannel::Right : TriggerChannel::Left);
        EXPECT_EQ(form->appliedTimeBase, s.setting);
        EXPECT_EQ(form->pixelsPerPoint, TimeBaseInfoOf(s.setting).pixelsPerPoint);
        EXPECT_EQ(form->samplesPerPoint, TimeBaseInfoOf(s.setting).samplesPerPoint);
        EXPECT_EQ(Cleared(), s.cleared);
        // A change draws the new time axis on the cleared screen.
        if (s.cleared) {
            EXPECT_EQ(px(128, 261), vcl::clWhite);
        }
    }
}

TEST_F(SelectionTest, FixedTimeBaseIgnoresTheFrequency) {
    form->timeBaseAuto = 0;
    form->leftFrequency = 1000.0;
    form->ComboBox1->SetItemIndex(2);
    form->SelectTimeBase(TriggerChannel::Left);
    EXPECT_EQ(form->appliedTimeBase, T::ms50);
    Mark();
    form->SelectTimeBase(TriggerChannel::Left);
    EXPECT_FALSE(Cleared()) << "the same setting again clears nothing";
    for (const int item : {0, 8, -1}) {
        form->ComboBox1->SetItemIndex(item);
        form->SelectTimeBase(TriggerChannel::Left);
        EXPECT_EQ(form->appliedTimeBase, T::ms50) << item;
        EXPECT_FALSE(Cleared());
    }
}

} // namespace
} // namespace zvk::testing
