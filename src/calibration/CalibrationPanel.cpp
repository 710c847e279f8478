// The hidden calibration panel. Its sliders are only a guide for matching the
// readouts to a voltmeter; calibration is the choice of a fixed set, so
// nothing here touches a factor.
#include "core/Form1.h"

namespace zvk {

void TForm1::ScrollBar1Change(vcl::TObject*) {}

void TForm1::Panel4Click(vcl::TObject*) {
    Panel4->SetVisible(false);
}

void TForm1::Button1Click(vcl::TObject*) {
    Panel4->SetVisible(false);
}

} // namespace zvk
