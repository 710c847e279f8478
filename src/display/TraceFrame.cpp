#include "display/TraceFrame.h"

#include "core/Form1.h"
#include "display/ScreenGeometry.h"

#include <array>

namespace zvk {

namespace {

using SampleArray = std::array<int32, kSampleArrayLength>;

// Entries past the arrays' end hold nothing, as the unfilled ones do.
inline int32 SampleAt(const SampleArray& a, long long index) {
    return index >= 0 && index < kSampleArrayLength ? a[static_cast<std::size_t>(index)] : 0;
}

} // namespace

void DrawTraceFrame(TForm1& form, long long traceStart) {
    vcl::TCanvas& c = *form.Canvas();
    const int W = form.ClientWidth();
    const int H = form.ClientHeight();
    const long long s = traceStart;
    const long long d = form.samplesPerPoint;
    const double h = form.pixelsPerPoint;

    // Point q of the frame is entry q of these (entry 0 unused).
    std::array<int, kFramePoints + 1> x{}, yLeft{}, yRight{}, yOldLeft{}, yOldRight{};
    for (int q = 1; q <= kFramePoints; ++q) {
        const long long k = q * d;
        x[q] = TracePointX(q, h);
        yLeft[q] = TracePointY(H, SampleAt(form.leftSamples, s + k), form.leftDisplayFactor,
                               form.leftRangeGain);
        yRight[q] = TracePointY(H, SampleAt(form.rightSamples, s + k), form.rightDisplayFactor,
                                form.rightRangeGain);
        yOldLeft[q] = ErasePointY(H, SampleAt(form.leftPreviousTrace, k), form.leftDisplayFactor,
                                  form.leftRangeGain);
        yOldRight[q] = ErasePointY(H, SampleAt(form.rightPreviousTrace, k), form.rightDisplayFactor,
                                   form.rightRangeGain);
    }

    c.Pen.Color = vcl::clWhite;
    c.Pen.Width = 1;
    c.MoveTo(55, H / 2);
    c.LineTo(W - 5, H / 2);

    // Erasing and drawing alternate segment by segment, so the screen never
    // shows an empty frame.
    const bool left = form.leftTraceVisible == 1;
    const bool right = form.rightTraceVisible == 1;
    for (int p = 2; p <= kFramePoints; ++p) {
        c.Pen.Color = vcl::clBlack;
        c.MoveTo(x[p - 1], yOldRight[p - 1]);
        c.LineTo(x[p], yOldRight[p]);
        c.MoveTo(x[p - 1], yOldLeft[p - 1]);
        c.LineTo(x[p], yOldLeft[p]);
        c.Pen.Color = vcl::clYellow;
        if (left) {
            c.MoveTo(x[p - 1], yLeft[p - 1]);
            c.LineTo(x[p], yLeft[p]);
        }
        c.Pen.Color = vcl::clAqua;
        if (right) {
            c.MoveTo(x[p - 1], yRight[p - 1]);
            c.LineTo(x[p], yRight[p]);
        }
    }
}

void KeepPreviousTraces(TForm1& form, long long traceStart) {
    const int last =
        form.sampleCount < kSampleArrayLength - 1 ? form.sampleCount : kSampleArrayLength - 1;
    for (int i = 1; i <= last; ++i) {
        form.leftPreviousTrace[static_cast<std::size_t>(i)] =
            SampleAt(form.leftSamples, i + traceStart);
        form.rightPreviousTrace[static_cast<std::size_t>(i)] =
            SampleAt(form.rightSamples, i + traceStart);
    }
}

} // namespace zvk
