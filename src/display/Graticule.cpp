#include "core/Form1.h"
#include "display/ScreenGeometry.h"

namespace zvk {

void TForm1::DrawGraticule() {
    if (gridEnabled == 0)
        return;
    const int b = gridBrightness & 0xFF;
    const int W = ClientWidth();
    const int Hc = ClientHeight() / 2;
    gridUnit = GridUnitFor(W);
    if (displayDrawingOff)
        return;
    vcl::TCanvas& c = *Canvas();
    c.Pen.Color = vcl::RGB(b, b, b);
    c.Pen.Width = 1;
    for (int k = 1; k <= 11; ++k) {
        c.MoveTo(56, Hc - 20 * k);
        c.LineTo(W - 10, Hc - 20 * k);
    }
    for (int k = 1; k <= 11; ++k) {
        c.MoveTo(56, Hc + 20 * k);
        c.LineTo(W - 10, Hc + 20 * k);
    }
    // The band just around the centre line is left to the time-axis labels.
    for (int k = 1; k <= 10; ++k) {
        const int x = GraticuleLineX(gridUnit, k);
        c.MoveTo(x, Hc + 220);
        c.LineTo(x, Hc + 20);
        c.MoveTo(x, Hc - 5);
        c.LineTo(x, Hc - 220);
    }
}

void TForm1::UpDown2Changing(vcl::TObject*, bool&) {
    // OnChanging reports the position before the step.
    gridBrightness = static_cast<uint16>(5 * UpDown2->Position());
    DrawGraticule();
}

} // namespace zvk
