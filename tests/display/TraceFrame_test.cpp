#include "DisplayFixture.h"

#include "display/TraceFrame.h"

#include <vector>

namespace zvk::testing {
namespace {

class TraceFrameTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        form->leftSamples.fill(0);
        form->rightSamples.fill(0);
        form->leftPreviousTrace.fill(0);
        form->rightPreviousTrace.fill(0);
        form->leftDisplayFactor = form->rightDisplayFactor = 0.089;
        form->leftRangeGain = form->rightRangeGain = 1.0;
        form->pixelsPerPoint = 1.0;
        form->samplesPerPoint = 1;
        form->sampleCount = 16000;
        form->leftTraceVisible = form->rightTraceVisible = 1;
    }
    // Entry start + q of a channel for trace point q.
    static void SetPoints(std::array<int32, kSampleArrayLength>& a, int start, int from, int to,
                          int32 value) {
        for (int q = from; q <= to; ++q)
            a[static_cast<std::size_t>(start + q)] = value;
    }
};

TEST_F(TraceFrameTest, SamplesLandOnTheGraticuleRowsAtStartUpScales) {
    SetPoints(form->leftSamples, 0, 1, 400, -2250);
    SetPoints(form->leftSamples, 0, 401, 1000, 2250);
    form->rightTraceVisible = 0;
    DrawTraceFrame(*form, 0);
    // Point q at x = 54 + q: points 1..400 on row 63, 401.. on row 463.
    for (const int x : {55, 100, 300, 453}) {
        EXPECT_EQ(px(x, 63), vcl::clYellow) << x;
        EXPECT_EQ(px(x, 463), vcl::clBlack) << x;
    }
    for (const int x : {455, 600, 793}) {
        EXPECT_EQ(px(x, 463), vcl::clYellow) << x;
        EXPECT_EQ(px(x, 63), vcl::clBlack) << x;
    }
    EXPECT_EQ(px(54, 63), vcl::clBlack);
    // The flat previous frame was erased along the centre line just drawn.
    for (const int x : {55, 300, 788})
        EXPECT_EQ(px(x, 263), vcl::clBlack) << x;
}

TEST_F(TraceFrameTest, RightTraceIsDrawnOverTheLeftAndAfterTheCentreLine) {
    struct Case {
        int32 left, right;
        int32 leftVisible, rightVisible;
        int row;
        vcl::TColor colour;
    };
    const std::vector<Case> cases = {
        {1000, 1000, 1, 1, 352, vcl::clAqua},  {1000, 1000, 1, 0, 352, vcl::clYellow},
        {1000, 1000, 0, 0, 352, vcl::clBlack}, {0, 0, 1, 1, 263, vcl::clAqua},
        {0, 0, 1, 0, 263, vcl::clYellow},      {0, -1000, 1, 1, 174, vcl::clAqua},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + " " + std::to_string(c.right) + " " +
                     std::to_string(c.leftVisible) + std::to_string(c.rightVisible));
        canvas().Clear();
        SetPoints(form->leftSamples, 0, 1, 1000, c.left);
        SetPoints(form->rightSamples, 0, 1, 1000, c.right);
        form->leftTraceVisible = c.leftVisible;
        form->rightTraceVisible = c.rightVisible;
        DrawTraceFrame(*form, 0);
        EXPECT_EQ(px(300, c.row), c.colour);
        EXPECT_EQ(px(700, c.row), c.colour);
    }
}

// The previous frame is kept shifted by its start, so the next frame erases
// exactly what is on the screen.
TEST_F(TraceFrameTest, NextFrameErasesThePreviousOneWithItsStart) {
    form->rightTraceVisible = 0;
    const int start = 150;
    SetPoints(form->leftSamples, start, 1, 1000, -1000); // row 174
    DrawTraceFrame(*form, start);
    KeepPreviousTraces(*form, start);
    EXPECT_EQ(px(100, 174), vcl::clYellow);
    EXPECT_EQ(form->leftPreviousTrace[1], -1000);
    EXPECT_EQ(form->leftPreviousTrace[1000], -1000);

    form->leftSamples.fill(0);
    DrawTraceFrame(*form, 0);
    for (const int x : {56, 100, 300, 700})
        EXPECT_EQ(px(x, 174), vcl::clBlack) << x;
    EXPECT_EQ(px(300, 263), vcl::clYellow);
}

TEST_F(TraceFrameTest, KeptTraceCoversTheWholeCapture) {
    for (int i = 0; i < kSampleArrayLength; ++i) {
        form->leftSamples[static_cast<std::size_t>(i)] = i;
        form->rightSamples[static_cast<std::size_t>(i)] = -i;
    }
    form->leftPreviousTrace[0] = 12345;
    KeepPreviousTraces(*form, 19998);
    EXPECT_EQ(form->leftPreviousTrace[0], 12345);
    EXPECT_EQ(form->leftPreviousTrace[1], 19999);
    EXPECT_EQ(form->rightPreviousTrace[16000], -35998);
    EXPECT_EQ(form->leftPreviousTrace[16001], 0);
    // A capture larger than the window's buffers cannot push the copy past
    // the arrays.
    form->sampleCount = kSampleArrayLength;
    KeepPreviousTraces(*form, 19998);
    EXPECT_EQ(form->leftPreviousTrace[24101], 44099);
    EXPECT_EQ(form->leftPreviousTrace[24102], 0);
    EXPECT_EQ(form->leftPreviousTrace[kSampleArrayLength - 1], 0);
}

TEST_F(TraceFrameTest, PointsBeyondTheClientAreaAreClipped) {
    struct Case {
        double h;
        int d;
        double gain;
        int32 value;
    };
    const std::vector<Case> cases = {
        {17.0, 1, 1.0, 1000}, {8.5, 1, 100.0, -32768}, {1.0, 6, 100.0, 32767}};
    for (const Case& c : cases) {
        canvas().Clear();
        form->pixelsPerPoint = c.h;
        form->samplesPerPoint = c.d;
        form->leftRangeGain = form->rightRangeGain = c.gain;
        for (int i = 0; i < kSampleArrayLength; ++i)
            form->leftSamples[static_cast<std::size_t>(i)] = i % 2 ? c.value : -c.value;
        form->leftPreviousTrace = form->leftSamples;
        DrawTraceFrame(*form, 19998);
    }
    // h = 17: point 44 at x = 786 is the last one on the screen.
    form->pixelsPerPoint = 17.0;
    form->samplesPerPoint = 1;
    form->leftRangeGain = 1.0;
    form->leftSamples.fill(0);
    form->leftPreviousTrace.fill(0);
    form->rightTraceVisible = 0;
    canvas().Clear();
    form->leftSamples[44] = -1000;
    DrawTraceFrame(*form, 0);
    EXPECT_EQ(px(786, 174), vcl::clYellow);
}

} // namespace
} // namespace zvk::testing
