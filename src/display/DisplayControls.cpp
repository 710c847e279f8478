#include "core/Form1.h"

namespace zvk {

void TForm1::Button3Click(vcl::TObject*) {
    if (periodicMode == 1) {
        periodicMode = 0;
        Button3->SetCaption("periodické");
        Refresh();
        // The idle cycle stops drawing, so this fresh frame stays standing.
        DisplayCycle();
    } else if (periodicMode == 0) {
        periodicMode = 1;
        Button3->SetCaption("jednorázové");
    }
}

void TForm1::RadioButton5Click(vcl::TObject*) {
    Refresh();
    leftTraceVisible = 1;
    rightTraceVisible = 1;
    ComboBox4->SetItemIndex(0);
}

void TForm1::RadioButton3Click(vcl::TObject*) {
    Refresh();
    leftTraceVisible = 1;
    rightTraceVisible = 0;
    ComboBox4->SetItemIndex(1);
}

void TForm1::RadioButton4Click(vcl::TObject*) {
    Refresh();
    leftTraceVisible = 0;
    rightTraceVisible = 1;
    ComboBox4->SetItemIndex(2);
}

// The new trigger source takes effect with the next frame.
void TForm1::ComboBox4Click(vcl::TObject*) {
    Refresh();
}

void TForm1::file1Click(vcl::TObject*) {
    Refresh();
    DisplayCycle();
}

// The trigger level is fixed; the bar always springs back.
void TForm1::TrackBar1Change(vcl::TObject*) {
    if (TrackBar1->Position() != 0)
        TrackBar1->SetPosition(0);
}

void TForm1::Panel6Click(vcl::TObject*) {
    Panel6->SetVisible(false);
}

} // namespace zvk
