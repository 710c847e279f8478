#include "core/Form1.h"
#include "display/VerticalRanges.h"

#include <QMainWindow>

namespace zvk {

void TForm1::DrawVerticalScale() {
    if (displayDrawingOff)
        return;
    vcl::TCanvas& c = *Canvas();
    const int hc = ClientHeight() / 2;
    const auto tick = [&c](int x0, int x1, int y) {
        c.MoveTo(x0, y);
        c.LineTo(x1, y);
    };

    // The window's font.
    c.Font.Font = Window()->font();
    c.Pen.Width = 1;
    c.Pen.Color = vcl::clYellow;
    c.Font.Color = vcl::clYellow;
    for (int i = 1; i <= 10; ++i) {
        const std::string text = FormatScaleNumber(i * leftDivisionValue, leftDivisionValue);
        tick(29, 32, hc - 20 * i);
        c.TextOut(34, hc - 20 * i - 7, text);
        tick(29, 32, hc + 20 * i);
        c.TextOut(34, hc + 20 * i - 7, text);
    }

    // Unit of the time-axis numbers, where the left scale has no number.
    c.Font.Color = vcl::clWhite;
    c.TextOut(34, hc - 7, "ms");

    for (int i = 0; i <= 10; ++i) {
        const std::string text = FormatScaleNumber(i * rightDivisionValue, rightDivisionValue);
        tick(24, 27, hc - 20 * i);
        c.TextOut(0, hc - 20 * i - 7, text);
        tick(24, 27, hc + 20 * i);
        c.TextOut(0, hc + 20 * i - 7, text);
    }

    c.Pen.Color = vcl::clWhite;
    for (int i = 0; i <= 55; ++i) {
        tick(27, 29, hc - 4 * i);
        tick(27, 29, hc + 4 * i);
    }
}

} // namespace zvk
