#include "DisplayFixture.h"

#include <vector>

namespace zvk::testing {
namespace {

using DisplayControlsTest = DisplayTest;

TEST_F(DisplayControlsTest, Button3SwitchesBetweenPeriodicAndSingleShot) {
    ASSERT_EQ(form->periodicMode, 1);
    Mark();
    form->Button3->Click();
    EXPECT_EQ(form->periodicMode, 0);
    EXPECT_EQ(form->Button3->Caption(), "periodické");
    EXPECT_TRUE(Cleared());

    Mark();
    form->Button3->Click();
    EXPECT_EQ(form->periodicMode, 1);
    EXPECT_EQ(form->Button3->Caption(), "jednorázové");
    EXPECT_FALSE(Cleared()) << "the next idle cycle draws; the click itself wipes nothing";
}

TEST_F(DisplayControlsTest, RadioButtonsChooseTracesAndTriggerSource) {
    struct Step {
        vcl::TRadioButton* TForm1::*button;
        int32 left, right;
        int triggerSource;
    };
    const std::vector<Step> steps = {
        {&TForm1::RadioButton4, 0, 1, 2},
        {&TForm1::RadioButton3, 1, 0, 1},
        {&TForm1::RadioButton5, 1, 1, 0},
        {&TForm1::RadioButton3, 1, 0, 1},
    };
    for (const Step& s : steps) {
        vcl::TRadioButton* b = (*form).*s.button;
        SCOPED_TRACE(b->Name);
        Mark();
        b->Click();
        EXPECT_TRUE(Cleared());
        EXPECT_TRUE(b->Checked());
        EXPECT_EQ(form->leftTraceVisible, s.left);
        EXPECT_EQ(form->rightTraceVisible, s.right);
        EXPECT_EQ(form->ComboBox4->ItemIndex(), s.triggerSource);
    }
}

// "L" then the right channel as trigger source by hand: the visibility stays,
// and clicking the checked "L" again changes nothing.
TEST_F(DisplayControlsTest, TriggerSourceBoxLeavesTheTracesAlone) {
    form->RadioButton3->Click();
    Mark();
    form->ComboBox4->Choose(2);
    EXPECT_TRUE(Cleared());
    EXPECT_EQ(form->leftTraceVisible, 1);
    EXPECT_EQ(form->rightTraceVisible, 0);
    EXPECT_EQ(form->ComboBox4->ItemIndex(), 2);

    Mark();
    form->RadioButton3->Click();
    EXPECT_FALSE(Cleared());
    EXPECT_EQ(form->ComboBox4->ItemIndex(), 2);
}

TEST_F(DisplayControlsTest, EraseCommandTrackBarAndWarningPanel) {
    Mark();
    form->file1->Click();
    EXPECT_TRUE(Cleared());

    form->TrackBar1->SetPosition(50);
    EXPECT_EQ(form->TrackBar1->Position(), 0);
    form->TrackBar1->SetPosition(-220);
    EXPECT_EQ(form->TrackBar1->Position(), 0);

    form->Panel6->SetVisible(true);
    form->Panel6->Click();
    EXPECT_FALSE(form->Panel6->Visible());
}

// With no trigger source nothing is drawn and the kept traces stay.
TEST_F(DisplayControlsTest, NoTriggerSourceDrawsNoFrame) {
    form->ComboBox4->SetItemIndex(-1);
    form->DisplayCycle(); // ranges settle on this capture
    form->leftPreviousTrace.fill(7);
    form->rightPreviousTrace.fill(-7);
    Mark();
    const QImage before = canvas().Image().copy();
    form->DisplayCycle();
    EXPECT_TRUE(canvas().Image() == before);
    EXPECT_EQ(form->leftPreviousTrace[100], 7);
    EXPECT_EQ(form->rightPreviousTrace[100], -7);
}

} // namespace
} // namespace zvk::testing
