#include "core/Form1.h"
#include "display/ScreenGeometry.h"
#include "display/TimeBase.h"

#include <QMainWindow>

namespace zvk {

namespace {

// The channel whose frequency decides the time axis: the trigger channel's
// rule, from the trigger-source box and the peaks.
TriggerChannel LabelChannel(int triggerSourceIndex, uint16 leftPeak, uint16 rightPeak) {
    switch (triggerSourceIndex) {
    case 2:
        return TriggerChannel::Right;
    case 1:
        return TriggerChannel::Left;
    case 0:
        return rightPeak > 1.5 * leftPeak ? TriggerChannel::Right : TriggerChannel::Left;
    default:
        return TriggerChannel::None;
    }
}

} // namespace

void TForm1::ComboBox1Click(vcl::TObject*) {
    const int index = ComboBox1->ItemIndex();
    timeBaseAuto = index == 0 ? 1 : 0;
    if (index == 8) {
        timeBaseFromGenerator = 1;
        timeBaseAuto = 1;
    } else {
        timeBaseFromGenerator = 0;
    }
}

void TForm1::SelectTimeBase(TriggerChannel channel) {
    if (timeBaseAuto == 1) {
        if (channel == TriggerChannel::None)
            return;
        ApplyTimeBase(
            TimeBaseForFrequency(channel == TriggerChannel::Left ? leftFrequency : rightFrequency));
        return;
    }
    if (const auto setting = TimeBaseForItem(ComboBox1->ItemIndex()))
        ApplyTimeBase(*setting);
}

// Applied only on a change: a new point spacing clears the window before any
// point is drawn with it.
void TForm1::ApplyTimeBase(TimeBaseSetting setting) {
    if (setting == appliedTimeBase || setting == TimeBaseSetting::None)
        return;
    const TimeBaseInfo& info = TimeBaseInfoOf(setting);
    pixelsPerPoint = info.pixelsPerPoint;
    samplesPerPoint = info.samplesPerPoint;
    if (!displayDrawingOff)
        Refresh();
    DrawTimeAxisLabels(setting);
    appliedTimeBase = setting;
}

void TForm1::DrawScales() {
    if (gridEnabled == 1)
        DrawGraticule();
    if (timeBaseAuto == 0) {
        if (const auto setting = TimeBaseForItem(ComboBox1->ItemIndex()))
            DrawTimeAxisLabels(*setting);
    } else if (timeBaseAuto == 1) {
        const TriggerChannel channel = LabelChannel(ComboBox4->ItemIndex(), leftPeak, rightPeak);
        if (channel != TriggerChannel::None)
            DrawTimeAxisLabels(TimeBaseForFrequency(
                channel == TriggerChannel::Left ? leftFrequency : rightFrequency));
    }
    leftSignIndex = 0;
    DrawVerticalScale();
}

void TForm1::DrawTimeAxisLabels(TimeBaseSetting setting) {
    if (displayDrawingOff || setting == TimeBaseSetting::None)
        return;
    const TimeBaseInfo& info = TimeBaseInfoOf(setting);
    vcl::TCanvas& c = *Canvas();
    const double D = 2 * gridUnit;
    const int hc = ClientHeight() / 2;

    // The window's font.
    c.Font.Font = Window()->font();
    c.Pen.Color = vcl::clWhite;
    c.Pen.Width = 1;
    c.Font.Color = vcl::clWhite;
    for (int i = 1; i <= 99; ++i) {
        const int x = SmallTickX(D, i);
        c.MoveTo(x, hc + 2);
        c.LineTo(x, hc - 2);
    }
    for (int i = 1; i <= 9; ++i) {
        const int x = DivisionTickX(D, i);
        c.MoveTo(x, hc + 3);
        c.LineTo(x, hc - 3);
        c.TextOut(DivisionNumberX(D, i, info.numberOffsetX), hc + 5, TimeAxisNumber(setting, i));
    }
    // The tenth division has no tick; its number stands last, over the rest.
    c.TextOut(EndTextX(D, info.endOffsetX), hc + info.endOffsetY, info.endText);
}

} // namespace zvk
