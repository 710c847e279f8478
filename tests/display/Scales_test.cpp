#include "DisplayFixture.h"

#include "display/TimeBase.h"

#include <QImage>
#include <vector>

namespace zvk::testing {
namespace {

using ScalesTest = DisplayTest;

TEST_F(ScalesTest, VerticalScaleTicksAtTheStartUpHeight) {
    form->leftDivisionValue = 10.0;
    form->rightDivisionValue = 10.0;
    form->DrawVerticalScale();
    const int hc = 263;
    for (int i = 0; i <= 55; ++i) {
        for (const int y : {hc - 4 * i, hc + 4 * i}) {
            SCOPED_TRACE(y);
            const bool step = i % 5 == 0 && i <= 50; // a 20-pixel step
            const bool left = step && i > 0;         // the left scale has none at the centre
            EXPECT_EQ(px(24, y), step ? vcl::clYellow : vcl::clBlack);
            EXPECT_EQ(px(26, y), step ? vcl::clYellow : vcl::clBlack);
            EXPECT_EQ(px(27, y), vcl::clWhite);
            EXPECT_EQ(px(28, y), vcl::clWhite);
            EXPECT_EQ(px(29, y), left ? vcl::clYellow : vcl::clBlack);
            EXPECT_EQ(px(31, y), left ? vcl::clYellow : vcl::clBlack);
            EXPECT_EQ(px(32, y), vcl::clBlack);
            EXPECT_EQ(px(33, y), vcl::clBlack);
        }
    }
    // The outermost 20-pixel ticks.
    EXPECT_EQ(px(30, 63), vcl::clYellow);
    EXPECT_EQ(px(30, 463), vcl::clYellow);
    EXPECT_EQ(px(30, 43), vcl::clBlack);
    // Numbers: yellow on the left from (34, 56), white on the right from x = 0;
    // "ms" in white at the centre.
    const Ink top = InkIn(34, 56, 20, 12);
    EXPECT_GT(top.yellow, 5);
    EXPECT_EQ(top.white, 0);
    EXPECT_GT(InkIn(0, 56, 22, 12).white, 5);
    const Ink ms = InkIn(34, 256, 20, 12);
    EXPECT_GT(ms.white, 3);
    EXPECT_EQ(ms.yellow, 0);
    // The canvas is left with a white pen and font.
    EXPECT_EQ(canvas().Pen.Color, vcl::clWhite);
    EXPECT_EQ(canvas().Font.Color, vcl::clWhite);
}

TEST_F(ScalesTest, TimeAxisTicksAndNumbersAtTheStartUpSize) {
    form->DrawGraticule();
    canvas().Clear();
    form->DrawTimeAxisLabels(TimeBaseSetting::ms100);
    const std::vector<int> division = {128, 202, 275, 348, 422, 495, 569, 642, 715};
    for (const int x : division) {
        SCOPED_TRACE(x);
        for (int y = 261; y <= 266; ++y)
            EXPECT_EQ(px(x, y), vcl::clWhite) << y;
        EXPECT_EQ(px(x, 260), vcl::clBlack);
    }
    const double D = 2 * 3.77;
    for (int i = 1; i <= 99; ++i) {
        if (i % 10 == 0)
            continue;
        const int x = static_cast<int>(std::nearbyint(D * i * 0.973 + 55));
        SCOPED_TRACE(i);
        for (int y = 262; y <= 265; ++y)
            EXPECT_EQ(px(x, y), vcl::clWhite) << y;
        EXPECT_EQ(px(x, 261), vcl::clBlack);
        EXPECT_EQ(px(x, 266), vcl::clBlack);
    }
    // Division numbers from row 268, the end text "100" from x = 769.
    for (const int x : division)
        EXPECT_GT(InkIn(x - 55 + 48, 268, 14, 12).white, 3) << x;
    for (const int x : division)
        EXPECT_EQ(InkIn(x - 7, 267, 14, 1).any, 0) << x;
    EXPECT_GT(InkIn(769, 266, 20, 12).white, 3);
    EXPECT_EQ(InkIn(740, 266, 28, 12).any, 0);
}

// The scale drawing shows the labels of the channel the trigger rule picks.
TEST_F(ScalesTest, ScaleDrawingFollowsTheTriggerChannelsFrequency) {
    struct Case {
        int triggerSource;
        uint16 leftPeak, rightPeak;
        double leftFrequency, rightFrequency;
        std::optional<TimeBaseSetting> labels;
    };
    const std::vector<Case> cases = {
        {0, 1000, 1000, 1000.0, 20.0, TimeBaseSetting::ms2},
        {0, 1000, 1501, 1000.0, 20.0, TimeBaseSetting::ms100},
        {0, 1000, 1500, 1000.0, 20.0, TimeBaseSetting::ms2},
        {2, 5000, 0, 1000.0, 20.0, TimeBaseSetting::ms100},
        {1, 0, 5000, 300.0, 20.0, TimeBaseSetting::ms5},
        {-1, 1000, 1000, 1000.0, 20.0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.triggerSource);
        // What the scale drawing must give.
        canvas().Clear();
        form->DrawGraticule();
        if (c.labels)
            form->DrawTimeAxisLabels(*c.labels);
        form->DrawVerticalScale();
        const QImage expected = canvas().Image().copy();

        canvas().Clear();
        form->timeBaseAuto = 1;
        form->ComboBox4->SetItemIndex(c.triggerSource);
        form->leftPeak = c.leftPeak;
        form->rightPeak = c.rightPeak;
        form->leftFrequency = c.leftFrequency;
        form->rightFrequency = c.rightFrequency;
        form->leftSignIndex = 77;
        form->DrawScales();
        EXPECT_TRUE(canvas().Image() == expected);
        EXPECT_EQ(form->leftSignIndex, 0);
    }
}

TEST_F(ScalesTest, FixedTimeBaseLabelsComeFromTheBox) {
    struct Case {
        int item;
        std::optional<TimeBaseSetting> labels;
    };
    const std::vector<Case> cases = {
        {1, TimeBaseSetting::ms100}, {4, TimeBaseSetting::ms10}, {7, TimeBaseSetting::ms1},
        {0, std::nullopt},           {8, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        canvas().Clear();
        form->DrawGraticule();
        if (c.labels)
            form->DrawTimeAxisLabels(*c.labels);
        form->DrawVerticalScale();
        const QImage expected = canvas().Image().copy();

        canvas().Clear();
        form->timeBaseAuto = 0;
        form->ComboBox1->SetItemIndex(c.item);
        form->DrawScales();
        EXPECT_TRUE(canvas().Image() == expected);
    }
}

} // namespace
} // namespace zvk::testing
