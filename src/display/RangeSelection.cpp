#include "core/Form1.h"
#include "display/VerticalRanges.h"

namespace zvk {

void TForm1::SelectLeftRange() {
    if (leftRangeAuto == 1) {
        ApplyRange(TriggerChannel::Left, LeftAutoRange(leftPeak));
        return;
    }
    if (leftRangeAuto == 0) {
        if (const auto range = LeftBoxRange(ComboBox9->ItemIndex()))
            ApplyRange(TriggerChannel::Left, *range);
    }
}

void TForm1::SelectRightRange() {
    if (rightRangeAuto == 1) {
        ApplyRange(TriggerChannel::Right, RightAutoRange(rightPeak));
        return;
    }
    if (rightRangeAuto == 0) {
        if (const auto range = RightBoxRange(ComboBox10->ItemIndex()))
            ApplyRange(TriggerChannel::Right, *range);
    }
}

// Applied only on a change, so the window is cleared exactly when a scale
// changes.
void TForm1::ApplyRange(TriggerChannel channel, VerticalRange range) {
    const bool left = channel == TriggerChannel::Left;
    if (!left && channel != TriggerChannel::Right)
        return;
    VerticalRange& applied = left ? leftAppliedRange : rightAppliedRange;
    if (range == applied)
        return;
    const VerticalRangeInfo& info = RangeInfo(range);
    (left ? leftDivisionValue : rightDivisionValue) = info.divisionValue;
    (left ? Edit2 : Edit18)->SetText(info.topText);
    (left ? Edit5 : Edit19)->SetText(info.bottomText);
    (left ? leftRangeGain : rightRangeGain) = info.gain;
    if (!displayDrawingOff)
        Refresh();
    applied = range;
}

void TForm1::ComboBox9Click(vcl::TObject*) {
    leftRangeAuto = ComboBox9->ItemIndex() == 0 ? 1 : 0;
}
void TForm1::ComboBox10Click(vcl::TObject*) {
    rightRangeAuto = ComboBox10->ItemIndex() == 0 ? 1 : 0;
}

// The never-shown range boxes follow the visible boxes' rule.
void TForm1::ComboBox2Click(vcl::TObject*) {
    leftRangeAuto = ComboBox2->ItemIndex() == 0 ? 1 : 0;
}
void TForm1::ComboBox5Click(vcl::TObject*) {
    leftRangeAuto = ComboBox5->ItemIndex() == 0 ? 1 : 0;
}
void TForm1::ComboBox3Click(vcl::TObject*) {
    rightRangeAuto = ComboBox3->ItemIndex() == 0 ? 1 : 0;
}
void TForm1::ComboBox6Click(vcl::TObject*) {
    rightRangeAuto = ComboBox6->ItemIndex() == 0 ? 1 : 0;
}

} // namespace zvk
