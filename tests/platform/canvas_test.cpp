#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

namespace {

using vcl::TCanvas;

int CountLit(const TCanvas& c) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            n += c.Pixel(x, y) != vcl::clBlack;
    return n;
}

struct Line {
    int x0, y0, x1, y1;
};

// LineTo paints from the pen position up to, but not including, its end point.
TEST(CanvasLineTo, LeavesOutTheEndPoint) {
    const Line lines[] = {
        {10, 10, 20, 10}, {20, 10, 10, 10}, {10, 10, 10, 20}, {10, 20, 10, 10}, {10, 10, 20, 20},
        {20, 20, 10, 10}, {10, 10, 30, 15}, {30, 15, 10, 10}, {12, 5, 15, 35},
    };
    for (const Line& l : lines) {
        TCanvas c;
        c.SetSize(50, 50);
        c.Pen.Color = vcl::clYellow;
        c.MoveTo(l.x0, l.y0);
        c.LineTo(l.x1, l.y1);
        SCOPED_TRACE(testing::Message() << l.x0 << "," << l.y0 << " -> " << l.x1 << "," << l.y1);
        EXPECT_EQ(c.Pixel(l.x0, l.y0), vcl::clYellow);
        EXPECT_EQ(c.Pixel(l.x1, l.y1), vcl::clBlack);
        EXPECT_EQ(CountLit(c), std::max(std::abs(l.x1 - l.x0), std::abs(l.y1 - l.y0)));
        EXPECT_EQ(c.PenX(), l.x1);
        EXPECT_EQ(c.PenY(), l.y1);
    }
}

TEST(CanvasLineTo, ZeroLengthPaintsNothing) {
    TCanvas c;
    c.SetSize(10, 10);
    c.Pen.Color = vcl::clWhite;
    c.MoveTo(3, 3);
    c.LineTo(3, 3);
    EXPECT_EQ(CountLit(c), 0);
}

// Segments far outside the image are clipped, quickly, and still paint the
// pixels that fall inside.
TEST(CanvasLineTo, ClipsFarOffImageCoordinates) {
    TCanvas c;
    c.SetSize(100, 100);
    c.Pen.Color = vcl::clAqua;
    c.MoveTo(50, 50);
    c.LineTo(50, 300000);
    for (int y = 50; y < 100; ++y)
        EXPECT_EQ(c.Pixel(50, y), vcl::clAqua);
    c.MoveTo(-2000000000, 10);
    c.LineTo(2000000000, 10);
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(c.Pixel(x, 10), vcl::clAqua);
    c.MoveTo(200, 200);
    c.LineTo(300, 400);
    EXPECT_EQ(c.Pixel(99, 99), vcl::clBlack);
}

TEST(CanvasText, DrawsOnAnOpaqueBox) {
    TCanvas c;
    c.SetSize(100, 40);
    c.Clear(vcl::clWhite);
    c.BrushColor = vcl::clBlack;
    c.Font.Color = vcl::clYellow;
    c.TextOut(5, 5, "10");
    EXPECT_EQ(c.Pixel(5, 5), vcl::clBlack); // box corner, not the white behind
    bool sawText = false;
    for (int y = 5; y < 25; ++y)
        for (int x = 5; x < 30; ++x)
            sawText |= c.Pixel(x, y) != vcl::clBlack && c.Pixel(x, y) != vcl::clWhite;
    EXPECT_TRUE(sawText);
}

} // namespace
