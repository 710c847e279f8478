#include "DisplayFixture.h"

#include <cmath>
#include <vector>

namespace zvk::testing {
namespace {

using GraticuleTest = DisplayTest;

constexpr vcl::TColor kGrey = vcl::RGB(75, 75, 75);

TEST_F(GraticuleTest, LinesStandWhereTheGeometrySaysAtAnyClientSize) {
    struct Size {
        int w, h;
    };
    for (const Size size : std::vector<Size>{{794, 526}, {640, 481}, {1000, 700}}) {
        SCOPED_TRACE(std::to_string(size.w) + "x" + std::to_string(size.h));
        form->ClientResized(size.w, size.h);
        canvas().Clear();
        form->gridBrightness = 75;
        form->DrawGraticule();
        const int W = size.w, hc = size.h / 2;
        EXPECT_DOUBLE_EQ(form->gridUnit, (W - 40) / 200.0);

        // Horizontal lines 20 pixels apart, none on the centre line.
        for (int k = 1; k <= 11; ++k) {
            for (const int y : {hc - 20 * k, hc + 20 * k}) {
                EXPECT_EQ(px(55, y), vcl::clBlack) << y;
                EXPECT_EQ(px(W - 10, y), vcl::clBlack) << y;
                int lit = 0;
                for (int x = 56; x <= W - 11; ++x)
                    lit += px(x, y) == kGrey;
                EXPECT_EQ(lit, W - 66) << y;
            }
        }
        for (int x = 56; x < W - 10; ++x)
            ASSERT_EQ(px(x, hc), vcl::clBlack) << x;

        // Division lines, open from 4 pixels above to 20 below the centre
        // (the row hc + 20 is lit only where the horizontal line passes).
        for (int k = 1; k <= 10; ++k) {
            const int x = static_cast<int>(std::nearbyint(55 + 19.46 * k * (W - 40) / 200.0));
            for (int y = hc - 219; y <= hc + 220; ++y) {
                const bool gap = y >= hc - 4 && y <= hc + 20;
                const bool onRow = y == hc + 20 && x <= W - 11;
                ASSERT_EQ(px(x, y), gap && !onRow ? vcl::clBlack : kGrey)
                    << "k " << k << " y " << y;
            }
            EXPECT_EQ(px(x, hc + 221), vcl::clBlack);
            EXPECT_EQ(px(x, hc - 221), vcl::clBlack);
            EXPECT_EQ(px(x - 1, hc + 110), vcl::clBlack);
            EXPECT_EQ(px(x + 1, hc + 110), vcl::clBlack);
        }
    }
}

TEST_F(GraticuleTest, StartUpRowsAndColumns) {
    form->DrawGraticule();
    for (int y = 43; y <= 483; y += 20) {
        EXPECT_EQ(px(56, y), y == 263 ? vcl::clBlack : kGrey) << y;
        EXPECT_EQ(px(783, y), y == 263 ? vcl::clBlack : kGrey) << y;
    }
    for (const int x : {128, 202, 275, 348, 422, 495, 569, 642, 715, 789}) {
        EXPECT_EQ(px(x, 300), kGrey) << x;
        EXPECT_EQ(px(x, 258), kGrey) << x;
        EXPECT_EQ(px(x, 259), vcl::clBlack) << x;
    }
}

TEST_F(GraticuleTest, BrightnessTakesTheLowByteAndTheSwitchStopsDrawing) {
    struct Case {
        uint16 brightness;
        int enabled;
        vcl::TColor colour;
    };
    const std::vector<Case> cases = {
        {75, 1, kGrey},
        {0, 1, vcl::clBlack},
        {0x0128, 1, vcl::RGB(40, 40, 40)},
        {255, 1, vcl::RGB(255, 255, 255)},
        {75, 0, vcl::clBlack},
    };
    for (const Case& c : cases) {
        canvas().Clear();
        form->gridUnit = -1.0;
        form->gridBrightness = c.brightness;
        form->gridEnabled = c.enabled;
        form->DrawGraticule();
        EXPECT_EQ(px(300, 243), c.colour) << c.brightness << " " << c.enabled;
        EXPECT_EQ(form->gridUnit, c.enabled ? 3.77 : -1.0);
    }
}

TEST_F(GraticuleTest, UpDownSetsBrightnessFromThePositionBeforeTheStep) {
    form->UpDown2->SetPosition(6);
    form->UpDown2->Step(true);
    EXPECT_EQ(form->gridBrightness, 30);
    EXPECT_EQ(px(300, 243), vcl::RGB(30, 30, 30));
    form->UpDown2->Step(false);
    EXPECT_EQ(form->gridBrightness, 55);
}

} // namespace
} // namespace zvk::testing
