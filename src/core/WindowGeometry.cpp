// Geometry that start-up and the optimum command both set.
#include "core/Form1.h"

namespace zvk {

void TForm1::SetInstrumentGeometry() {
    SetHeight(525);
    SetWidth(800);
    SetTop(0);
    SetLeft(0);
    SetClientHeight(526);
}

void TForm1::PlaceScaleLabels() {
    const int hc = ClientHeight() / 2;
    TrackBar1->SetTop(hc - 220);
    Edit18->SetTop(hc - 226);
    Edit2->SetTop(hc - 226);
    Edit19->SetTop(hc + 212);
    Edit5->SetTop(hc + 212);
}

} // namespace zvk
