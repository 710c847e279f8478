// A started window for the display tests: the start-up values, an offscreen
// client area of 794 x 526, and helpers to look at the canvas.
#pragma once

#include "core/Form1.h"
#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <memory>

namespace zvk::testing {

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Application()->OnException = [](const std::string& m) {
            ADD_FAILURE() << "handler raised: " << m;
        };
        form = std::make_unique<TForm1>();
        form->FormCreate(nullptr);
        ASSERT_EQ(form->ClientWidth(), 794);
        ASSERT_EQ(form->ClientHeight(), 526);
        ASSERT_EQ(canvas().Width(), 794);
        ASSERT_EQ(canvas().Height(), 526);
        canvas().Clear();
    }
    void TearDown() override {
        form.reset();
        vcl::Application()->OnException = nullptr;
    }

    vcl::TCanvas& canvas() { return *form->Canvas(); }
    vcl::TColor px(int x, int y) { return canvas().Pixel(x, y); }

    // A white pixel far from every drawing; gone after the window was cleared.
    static constexpr int kMarkX = 600, kMarkY = 150;
    void Mark() {
        canvas().Pen.Color = vcl::clWhite;
        canvas().MoveTo(kMarkX, kMarkY);
        canvas().LineTo(kMarkX + 1, kMarkY);
        ASSERT_EQ(px(kMarkX, kMarkY), vcl::clWhite);
    }
    bool Cleared() { return px(kMarkX, kMarkY) == vcl::clBlack; }

    // Non-black pixels in a box, and how many of them are mostly of a colour.
    struct Ink {
        int any = 0, yellow = 0, white = 0;
    };
    Ink InkIn(int x0, int y0, int w, int h) {
        Ink ink;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) {
                const vcl::TColor c = px(x, y);
                if (c == vcl::clBlack)
                    continue;
                ++ink.any;
                const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
                if (r > 128 && g > 128 && b < 64)
                    ++ink.yellow;
                if (r > 128 && g > 128 && b > 128)
                    ++ink.white;
            }
        return ink;
    }

    std::unique_ptr<TForm1> form;
};

} // namespace zvk::testing
