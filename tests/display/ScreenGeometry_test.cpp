#include "display/ScreenGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace zvk {
namespace {

TEST(ScreenGeometry, DivisionLinesAndTicksCoincideAtTheStartUpWidth) {
    const double unit = GridUnitFor(794);
    EXPECT_DOUBLE_EQ(unit, 3.77);
    const std::vector<int> expected = {128, 202, 275, 348, 422, 495, 569, 642, 715, 789};
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(GraticuleLineX(unit, k), expected[static_cast<std::size_t>(k - 1)]) << k;
        if (k <= 9) {
            EXPECT_EQ(DivisionTickX(2 * unit, k), expected[static_cast<std::size_t>(k - 1)]) << k;
        }
    }
    EXPECT_EQ(EndTextX(2 * unit, 35), 769);
    // Ten small ticks to a division.
    EXPECT_EQ(SmallTickX(2 * unit, 10), 128);
    EXPECT_EQ(SmallTickX(2 * unit, 1), 62);
}

TEST(ScreenGeometry, GraticuleLinesFollowTheWidth) {
    for (int w : {200, 640, 794, 1000, 1914}) {
        const double unit = GridUnitFor(w);
        for (int k = 1; k <= 10; ++k)
            EXPECT_NEAR(GraticuleLineX(unit, k), 55 + 19.46 * k * (w - 40) / 200.0, 0.5)
                << w << " " << k;
    }
}

TEST(ScreenGeometry, TracePoints) {
    struct Case {
        int q;
        double h;
        int x;
    };
    const std::vector<Case> cases = {
        {1, 1.0, 55},  {2, 1.0, 56},  {1000, 1.0, 1054}, {1, 17.0, 55}, {45, 17.0, 803},
        {2, 1.65, 57}, {3, 0.83, 57}, {1000, 0.83, 884}, {2, 8.5, 64},  {3, 8.5, 72},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TracePointX(c.q, c.h), c.x) << c.q << " " << c.h;

    // Start-up scales: ten graticule steps for +-2250.
    EXPECT_EQ(TracePointY(526, -2250, 0.089, 1.0), 63);
    EXPECT_EQ(TracePointY(526, 2250, 0.089, 1.0), 463);
    EXPECT_EQ(ErasePointY(526, -2250, 0.089, 1.0), 63);
    // An odd height: the drawing rounds 263.5 to even, the erase starts at 263.
    EXPECT_EQ(TracePointY(527, 0, 0.089, 1.0), 264);
    EXPECT_EQ(ErasePointY(527, 0, 0.089, 1.0), 263);
    EXPECT_EQ(TracePointY(525, 0, 0.089, 1.0), 262);
    // Full scale at the largest gain stays a plain coordinate.
    EXPECT_EQ(TracePointY(526, -32768, 0.089, 100.0), 263 - 291635);
}

} // namespace
} // namespace zvk
